#include "platform/alt_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
class AltKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    // Editable text widgets, and only they, take typed text through the input method.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const auto* widget = qobject_cast<const QWidget*>(watched);
        return widget && widget->testAttribute(Qt::WA_InputMethodEnabled)
            && (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !key->text().isEmpty();
    }
};
}  // namespace

void keepAltKeysFromTyping(QApplication& app)
{
    app.installEventFilter(new AltKeyFilter(&app));
}
