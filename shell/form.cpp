#include "shell/form.h"

#include "platform/twips.h"
#include "shell/app_state.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace {
// Until a window has shown the window manager's frame, one about this size is expected.
const QMargins AssumedFrame(4, 30, 4, 4);

QMargins frameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// A framed window in the normal state shows its frame once it is on the screen; a frame
// reported before that counts as well.
bool showsNormalFrame(const QWidget* window)
{
    const Qt::WindowType type = window->windowType();
    return window->isVisible() && (type == Qt::Window || type == Qt::Dialog)
        && !(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        && ((window->windowHandle() && window->windowHandle()->isExposed()) || !frameOf(window).isNull());
}

// The value within [low, high], low winning when the range is empty.
int within(int value, int low, int high) { return std::max(low, std::min(value, high)); }
}  // namespace

Form::Form(AppState& appState, QString name, int slot)
    : QDialog(nullptr), state(appState), name_(std::move(name)), slot_(slot)
{
    setObjectName(name_);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

// The frame measured on this window or another one in the normal state; a window's frame is
// known only once it is on the screen, so the last one measured stands in until then.
QMargins Form::frameMargins()
{
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.prepend(this);
    const auto shown = std::find_if(windows.begin(), windows.end(), showsNormalFrame);
    if (shown != windows.end())
        state.forms.windowFrame = frameOf(*shown);
    return state.forms.windowFrame.value_or(AssumedFrame);
}

// The slots hold the frame's corner, as the user sees the window. The window goes there when it
// is shown, once its size is known.
void Form::restorePosition()
{
    if (slot_ && (state.FormLeft[slot_] != 0 || state.FormTop[slot_] != 0))
        restoredCorner_ = QPoint(int(state.FormLeft[slot_] / TwipsPerPixel), int(state.FormTop[slot_] / TwipsPerPixel));
}

void Form::storePosition(bool normalFirst)
{
    if (!slot_ || !isVisible())
        return;
    const QMargins frame = frameMargins();
    const QPoint corner = normalGeometry().topLeft() - QPoint(frame.left(), frame.top());
    if (normalFirst)
        setNormal();
    state.FormLeft[slot_] = int(corner.x() * TwipsPerPixel);
    state.FormTop[slot_] = int(corner.y() * TwipsPerPixel);
}

void Form::showEvent(QShowEvent* event)
{
    if (!event->spontaneous() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        fitOnScreen();
    QDialog::showEvent(event);
}

// A window opens centred on the screen, or where it was left, with its whole frame on the
// screen: shrunk as far as its layout allows when it is too large, moved in when it sticks out.
// Qt places the client area exactly, so the frame is added here rather than left to the window
// manager, whose frame is not known before the window is on the screen.
void Form::fitOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QMargins frame = frameMargins();
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    const bool placed = testAttribute(Qt::WA_Moved);
    resize(size().boundedTo(room.size()));
    QRect client = geometry();
    if (restoredCorner_)
        client.moveTopLeft(*std::exchange(restoredCorner_, std::nullopt) + QPoint(frame.left(), frame.top()));
    else if (!placed)
        client.moveCenter(room.center());
    // A window still too large keeps its title bar and left edge on the screen.
    client.moveTo(within(client.left(), room.left(), room.right() + 1 - client.width()),
                  within(client.top(), room.top(), room.bottom() + 1 - client.height()));
    setGeometry(client);
}

void Form::closeEvent(QCloseEvent* event)
{
    if (!unloading_) {
        unloading_ = true;
        formUnload();
        state.forms.forget(this);
    }
    event->accept();
    if (isModal())
        done(0);
}

// Escape acts as the window's Cancel button, and only where it can be pressed.
void Form::reject()
{
    if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled())
        cancelButton_->click();
}

QFont enlargedBold(QFont font, qreal points)
{
    font.setPointSizeF(font.pointSizeF() + points);
    font.setBold(true);
    return font;
}

QFont fixedPitchFont(int points)
{
    QFont font;
    font.setFamilies({"Courier New", "Liberation Mono"});
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(points);
    return font;
}
