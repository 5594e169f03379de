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

// Asked of the window system each time: the widget's own copy can be one read while the window
// manager was still building the frame.
QMargins frameOf(const QWidget* window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// A framed window in the normal state shows its frame once it is on the screen; a frame
// reported before that counts as well. A frame read while the window manager is still building
// it can come out negative, and is no frame.
bool showsNormalFrame(const QWidget* window)
{
    const Qt::WindowType type = window->windowType();
    const QMargins frame = frameOf(window);
    return window->isVisible() && (type == Qt::Window || type == Qt::Dialog)
        && !(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        && (window->windowHandle()->isExposed() || !frame.isNull())
        && std::min({frame.left(), frame.top(), frame.right(), frame.bottom()}) >= 0;
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
    if (!event->spontaneous() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        centred_ = !restoredCorner_ && !testAttribute(Qt::WA_Moved);
        fitOnScreen();
        // Placed once more when the window is on the screen, with its final size and frame.
        windowHandle()->installEventFilter(this);
    }
    QDialog::showEvent(event);
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            fitOnScreen();
        restoredCorner_.reset();
        centred_ = false;
    }
    return QDialog::eventFilter(watched, event);
}

// A window opens centred on the screen, or where it was left, with its whole frame on the
// screen: shrunk as far as its layout allows when it is too large, moved in when it sticks out.
// Qt places the client area exactly, so the frame is added here rather than left to the window
// manager; until the window is on the screen its frame is only an estimate.
void Form::fitOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QMargins frame = frameMargins();
    const QRect room = screen->availableGeometry().marginsRemoved(frame);
    resize(size().boundedTo(room.size()));
    QRect client = geometry();
    if (restoredCorner_)
        client.moveTopLeft(*restoredCorner_ + QPoint(frame.left(), frame.top()));
    else if (centred_)
        client.moveCenter(room.center());
    // A window still too large keeps its title bar and left edge on the screen.
    client.moveTo(within(client.left(), room.left(), room.right() + 1 - client.width()),
                  within(client.top(), room.top(), room.bottom() + 1 - client.height()));
    if (client != geometry())
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
