#include "shell/forms.h"

#include "platform/runtime_error.h"
#include "shell/form.h"

Forms::~Forms()
{
    for (auto& [name, form] : loaded_)
        delete form.data();
}

void Forms::add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

Form* Forms::find(const QString& name) const
{
    const auto it = loaded_.find(name);
    return it == loaded_.end() ? nullptr : it->second.data();
}

Form* Forms::load(const QString& name)
{
    if (Form* form = find(name))
        return form;
    const auto factory = factories_.find(name);
    // A name no window was added under is a fault in the program; it fails in every build.
    if (factory == factories_.end())
        throw RuntimeError(RuntimeErrorNo::InvalidCall,
                           QStringLiteral("Invalid procedure call or argument (no window named %1)").arg(name));
    Form* form = factory->second();
    loaded_[name] = form;  // registered first, so the load handler can address its own window
    form->formLoad();
    return find(name);     // the load handler may have unloaded it again
}

void Forms::show(const QString& name, Mode mode)
{
    Form* form = load(name);
    if (!form)
        return;
    if (mode == Modal) {
        form->exec();
    } else {
        form->show();
        form->raise();
        form->activateWindow();
    }
}

void Forms::showRestored(const QString& name)
{
    show(name);
    if (Form* form = find(name))
        form->setNormal();
}

void Forms::unload(const QString& name)
{
    if (Form* form = find(name))
        form->close();
}

void Forms::forget(Form* form)
{
    const auto it = loaded_.find(form->name());
    if (it != loaded_.end() && it->second == form)
        loaded_.erase(it);
}
