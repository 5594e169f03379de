#include "shell/picture_window.h"

#include "platform/file_check.h"
#include "platform/runtime_error.h"
#include "shell/app_state.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWindow>

PictForm::PictForm(AppState& appState) : Form(appState, "PictForm", 10)
{
    setWindowTitle("Form1");
    // A window of the item's window, as a dialog is: the window manager keeps it in front of that
    // window. It opens without the keyboard, so that letter keys still answer there.
    setWindowFlags(Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_ShowWithoutActivating);

    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    Image1->setScaledContents(true);
    Image1->setMinimumSize(1, 1);  // the picture may be shrunk with the window

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
}

void PictForm::loadPicture(int width, int height, const QString& path)
{
    // The window's frame is the platform's own; inside it the picture has its size.
    resize(width, height);
    // Checked before loading, as loading a FIFO would wait for a writer for ever.
    const QString problem = readProblem(path);
    QPixmap picture;
    if (!problem.isEmpty() || !picture.load(path))
        throw RuntimeError(RuntimeErrorNo::FileAccess, QStringLiteral("Path/File access error (%1)").arg(path)
                                                           + (problem.isEmpty() ? QString() : ": " + problem));
    Image1->setPixmap(picture);
}

void PictForm::showInFrontOf(QWidget* owner)
{
    QWidget* ownerWindow = owner->window();
    ownerWindow->winId();
    winId();
    windowHandle()->setTransientParent(ownerWindow->windowHandle());
    if (ownerWindow->windowHandle()->isExposed()) {
        show();
        raise();
        return;
    }
    // The owner is still opening (showing its first item): the window manager puts a window in
    // front of its owner only once the owner is on the screen, so this one waits for that.
    ownerWindow->windowHandle()->installEventFilter(this);
}

bool PictForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* ownerWindow = qobject_cast<QWindow*>(watched);
    if (ownerWindow && event->type() == QEvent::Expose && ownerWindow->isExposed()) {
        ownerWindow->removeEventFilter(this);
        if (state.forms.find(name()) == this)  // not unloaded in the meantime
            show();
    }
    return Form::eventFilter(watched, event);
}

void PictForm::formLoad() { restorePosition(); }

// The picture window keeps its state when closed: its position is stored as it is.
void PictForm::formUnload() { storePosition(false); }

void ShowPicture(AppState& state, int width, int height, const QString& fileName, QWidget* owner)
{
    auto* form = state.forms.get<PictForm>("PictForm");
    form->setNormal();
    form->hide();
    form->loadPicture(width, height, state.path(fileName));
    form->showInFrontOf(owner);
}

void showItemPicture(AppState& state, int picture, QWidget* owner)
{
    if (picture == 0) {
        state.forms.unload("PictForm");
        return;
    }
    const PictureSpec size = parsePictureSpec(state.edition.PictureSpecs.value(picture));
    try {
        ShowPicture(state, size.Width, size.Height, itemPictureFile(state.edition, size), owner);
    } catch (const RuntimeError& error) {
        state.platform.prompter.message("The picture for this item could not be shown." + state.CrLf + error.Description,
                                        Prompter::OkOnly, Prompter::Exclamation, QString());
    }
}
