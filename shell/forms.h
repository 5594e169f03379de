// Every window as a single instance addressed by name: showing loads it first when it is not
// loaded (its load handler runs), unloading runs its unload handler and closes it. Loading or
// showing a name that no window was added under throws a RuntimeError naming it.
#pragma once

#include <QMargins>
#include <QPointer>
#include <QString>
#include <any>
#include <functional>
#include <map>
#include <optional>

class Form;

class Forms {
public:
    enum Mode { Modeless, Modal };
    using Factory = std::function<Form*()>;

    Forms() = default;
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;
    ~Forms();  // windows still loaded go with the registry, without their unload handlers

    void add(const QString& name, Factory factory);
    Form* load(const QString& name);
    Form* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    void show(const QString& name, Mode mode = Modeless);
    // Shows the window modeless, in front, and brings it back to its normal size.
    void showRestored(const QString& name);
    void unload(const QString& name);

    template <class T>
    T* get(const QString& name) { return dynamic_cast<T*>(load(name)); }

    // A window's own variables that outlive the window, kept for the whole run.
    template <class T>
    T& keep(const QString& name)
    {
        std::any& slot = kept_[name];
        if (!slot.has_value())
            slot = T{};
        return std::any_cast<T&>(slot);
    }

    // The window manager's frame around a window in the normal state, as last measured.
    std::optional<QMargins> windowFrame;

private:
    friend class Form;
    void forget(Form* form);

    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<Form>> loaded_;
    std::map<QString, std::any> kept_;
};
