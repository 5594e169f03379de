#include "tools/notebook.h"

#include "platform/rich_text_box.h"
#include "platform/runtime_error.h"
#include "platform/twips.h"
#include "shell/app_state.h"
#include "shell/help_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int NotebookSlot = 8;
constexpr int NotebookHelpPage = 8;

QPushButton* makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter belongs to the notebook and to the find text
    return button;
}

}  // namespace

NoteBook::NoteBook(AppState& appState)
    : Form(appState, "NoteBook", NotebookSlot), kept(state.forms.keep<NotebookKept>("NoteBook"))
{
    setWindowTitle("Your Notebook");

    // The document. Every key that types a character marks it changed, Ctrl+C too; so does any
    // other edit (the Delete key, a cut or paste from the menu, a drop), so that no edit is
    // closed away unasked.
    RichTextBox1 = new RichTextBox;
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->installEventFilter(this);
    connect(RichTextBox1->document(), &QTextDocument::contentsChange, this,
            [this] { this->state.NotebookChanged = true; });

    // The command buttons.
    const std::array<const char*, 4> captions = {"&Find", "&Print", "&Done", "&Help"};
    for (int i = 0; i < 4; ++i) {
        Command1[i] = makeButton(captions[i], QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }

    // The find panel, hidden until Find.
    Frame1 = new QGroupBox("Find What?");
    Frame1->setObjectName("Frame1");
    Text1 = new QLineEdit;
    Text1->setObjectName("Text1(1)");
    Check1 = new QCheckBox("&Match Case");
    Check1->setObjectName("Check1");
    Command2[FindNext] = makeButton("&Find Next", "Command2(0)");
    Command2[Cancel] = makeButton("&Cancel", "Command2(1)");
    connect(Text1, &QLineEdit::textChanged, this, &NoteBook::text1Change);
    connect(Text1, &QLineEdit::returnPressed, Command2[FindNext], &QPushButton::click);
    connect(Command2[FindNext], &QPushButton::clicked, this, &NoteBook::findNext);
    connect(Command2[Cancel], &QPushButton::clicked, this, &NoteBook::closeFindPanel);
    auto* findRow = new QHBoxLayout(Frame1);
    findRow->addWidget(Text1, 1);
    findRow->addWidget(Check1);
    findRow->addWidget(Command2[FindNext]);
    findRow->addWidget(Command2[Cancel]);
    Frame1->hide();

    // Layout: the document over the find panel and the buttons.
    auto* buttons = new QHBoxLayout;
    for (int i : {Find, Print, HelpButton})
        buttons->addWidget(Command1[i]);
    buttons->addStretch();
    buttons->addWidget(Command1[Done]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichTextBox1, 1);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    resize(640, 480);
    setCancelButton(Command2[Cancel]);  // Escape closes the find panel while it is open
}

void NoteBook::formLoad()
{
    restorePosition();
    loadNotebook();
    if (state.PrinterFailed)
        Command1[Print]->setEnabled(false);
    RichTextBox1->setSelStart(kept.CaretPos);
    state.NotebookChanged = false;  // loading is not a change
}

// A notebook that cannot be read opens empty, and the user is told why.
void NoteBook::loadNotebook()
{
    try {
        RichTextBox1->LoadFile(state.path(state.NotebookFileName));
    } catch (const RuntimeError& error) {
        state.platform.prompter.message(
            error.Description + "\r\nThe notebook opens empty; saving it writes a new notebook file.",
            Prompter::OkOnly, Prompter::Exclamation, "Notebook Cannot Be Read!");
    }
}

bool NoteBook::saveNotebookToDisk()
{
    try {
        RichTextBox1->SaveFile(state.path(state.NotebookFileName));
    } catch (const RuntimeError& error) {
        state.platform.prompter.message(
            error.Description + "\r\nThe notebook was not saved; your changes are still in it.",
            Prompter::OkOnly, Prompter::Critical, "Notebook Not Saved!");
        return false;
    }
    state.NotebookChanged = false;
    return true;
}

// The save question when something was typed; false when the save failed, so that the window
// stays open with the text and its change flag.
bool NoteBook::settleChanges()
{
    if (state.NotebookChanged
        && state.platform.prompter.message("Save your changes to disk?", Prompter::YesNo, Prompter::NoIcon,
                                           "Change Detected!")
               == Prompter::Yes
        && !saveNotebookToDisk())
        return false;
    state.NotebookChanged = false;  // No drops the changes: the next opening reads the file
    return true;
}

void NoteBook::closeEvent(QCloseEvent* event)
{
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void NoteBook::formUnload()
{
    kept.CaretPos = RichTextBox1->SelStart();
    storePosition();
}

void NoteBook::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    // Lines wrap at 0.95 of the window's width, or within the box where that is narrower.
    const int room = RichTextBox1->width() - 2 * RichTextBox1->frameWidth()
        - RichTextBox1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, RichTextBox1);
    RichTextBox1->setRightMargin(std::min(0.95 * width(), double(std::max(room, 1))) * TwipsPerPixel);
}

bool NoteBook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RichTextBox1 && event->type() == QEvent::KeyPress
        && !static_cast<QKeyEvent*>(event)->text().isEmpty())
        state.NotebookChanged = true;  // every key that gives a character, Ctrl+C too
    return Form::eventFilter(watched, event);
}

void NoteBook::command1Click(int index)
{
    switch (index) {
    case Find: openFindPanel(); break;
    case Print: print(); break;
    case Done: close(); break;
    case HelpButton: showHelp(state, NotebookHelpPage, Forms::Modeless); break;
    }
}

void NoteBook::openFindPanel()
{
    Frame1->show();
    for (int i : {Find, Print, Done})
        Command1[i]->setEnabled(false);
    Text1->setFocus();
    Text1->deselect();
    Text1->setCursorPosition(0);
    if (Text1->text().isEmpty())
        Command2[FindNext]->setEnabled(false);
}

void NoteBook::closeFindPanel()
{
    Frame1->hide();
    Command1[Find]->setEnabled(true);
    Command1[Done]->setEnabled(true);
    Command1[Print]->setEnabled(!state.PrinterFailed);
    RichTextBox1->setFocus();
}

void NoteBook::text1Change()
{
    Command2[FindNext]->setEnabled(!Text1->text().isEmpty() || Text1->cursorPosition() != 0);
}

// From after the last hit to the end, then once from the top when the search did not start there.
void NoteBook::findNext()
{
    const QString what = Text1->text();
    const bool matchCase = Check1->isChecked();
    const int start = kept.FoundAt + 1;
    kept.FoundAt = RichTextBox1->find(what, start - 1, matchCase) + 1;
    if (kept.FoundAt == 0 && start != 1)
        kept.FoundAt = RichTextBox1->find(what, 0, matchCase) + 1;
    if (kept.FoundAt > 0) {
        RichTextBox1->setFocus();  // the find selected the hit
        return;
    }
    state.platform.prompter.message(what + " not found.", Prompter::OkOnly, Prompter::Question, "Sorry!");
    Text1->setFocus();
}

void NoteBook::print()
{
    if (printWithDialog(*RichTextBox1, state.platform.printerDialog, state.platform.printer))
        RichTextBox1->setFocus();
}
