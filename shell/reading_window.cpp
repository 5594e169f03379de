#include "shell/reading_window.h"

#include "platform/cp1252.h"
#include "platform/rich_text_box.h"
#include "shell/app_state.h"
#include "shell/help_window.h"
#include "shell/rtf_pane.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString GlossaryCaption = "&Glossary of Key Terms";

// The caption without its first two access-key marks.
QString withoutAccessKeys(QString caption)
{
    for (int removed = 0; removed < 2; ++removed) {
        const qsizetype at = caption.indexOf('&');
        if (at < 0)
            break;
        caption.remove(at, 1);
    }
    return caption;
}

QPushButton* makeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Enter belongs to the find text, not to a button
    return button;
}

}  // namespace

Viewing::Viewing(AppState& appState) : Form(appState, "Viewing", 15)
{
    setWindowTitle("View Text");

    // The headings: the reading's line, or the glossary's term above its definition.
    Label1 = new QLabel;
    Label1->setObjectName("Label1");
    RichTextBox2 = new RichTextBox;
    RichTextBox2->setObjectName("RichTextBox2");
    RichTextBox2->setReadOnlyPane(true);
    RichTextBox2->setFixedHeight(46);
    RichTextBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The glossary's terms.
    List1 = new QListWidget;
    List1->setObjectName("List1");
    List1->setUniformItemSizes(true);  // every term is one line: the long list is not measured entry by entry
    connect(List1, &QListWidget::currentRowChanged, this, &Viewing::listRowChanged);

    // The command buttons.
    const std::array<const char*, 7> captions = {"&Print", "N&otebook", "&Done", "&Help", "&Find Next", "&Cancel", "&Find"};
    for (int i = 0; i < 7; ++i) {
        Command1[i] = makeButton(captions[i], QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { commandClick(i); });
    }

    // Layout: heading, body, list, letters, find panel, buttons. The body and the list share the
    // height as 2000 to 3700, and give up room to the find panel, so that the window opens and
    // stays within a small screen.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(RichTextBox2);
    layout->addLayout(makeBody(), 2000);
    layout->addWidget(List1, 3700);
    layout->addWidget(makeLetterFrame());
    layout->addWidget(makeFindFrame());
    layout->addLayout(makeButtonRow());
    resize(560, 520);
    setCancelButton(Command1[Cancel]);  // Escape closes the find panel while it is open
}

// The body pane over its margin placeholder.
QLayout* Viewing::makeBody()
{
    RichTextBox1 = new RichTextBox;
    RichTextBox1->setObjectName("RichTextBox1");
    RichTextBox1->setReadOnlyPane(true);
    Shape1 = makeMarginShape(RichTextBox1);
    auto* body = new QVBoxLayout;
    body->setSpacing(0);
    body->addWidget(RichTextBox1);
    body->addWidget(Shape1);
    return body;
}

// The letter buttons, two rows of thirteen.
QFrame* Viewing::makeLetterFrame()
{
    Frame2 = new QFrame;
    Frame2->setObjectName("Frame2");
    auto* letters = new QGridLayout(Frame2);
    letters->setContentsMargins(0, 0, 0, 0);
    letters->setSpacing(2);
    for (int k = 0; k < 26; ++k) {
        Command3[k] = makeButton(QString(QChar('A' + k)), QStringLiteral("Command3(%1)").arg(k));
        Command3[k]->setEnabled(false);
        Command3[k]->setFixedWidth(30);
        Command3[k]->installEventFilter(this);
        connect(Command3[k], &QPushButton::clicked, this, [this, k] { letterClick(k); });
        letters->addWidget(Command3[k], k / 13, k % 13);
    }
    return Frame2;
}

// The find panel: the text with Find Next and Cancel, and where and how to search.
QGroupBox* Viewing::makeFindFrame()
{
    Frame1 = new QGroupBox("Find What?");
    Frame1->setObjectName("Frame1");
    Text2 = new QLineEdit;
    Text2->setObjectName("Text2");
    connect(Text2, &QLineEdit::textChanged, this, &Viewing::text2Change);
    connect(Text2, &QLineEdit::returnPressed, Command1[FindNext], &QPushButton::click);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(Text2, 1);
    findRow->addWidget(Command1[FindNext]);
    findRow->addWidget(Command1[Cancel]);
    auto* findLayout = new QVBoxLayout(Frame1);
    findLayout->addLayout(findRow);
    findLayout->addLayout(makeSearchOptions());
    Frame1->hide();
    return Frame1;
}

// Where to search, and whether the case must match.
QLayout* Viewing::makeSearchOptions()
{
    const std::array<const char*, 3> captions = {"Search Terms", "Search Definitions", "Search Both"};
    auto* options = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(captions[i]);
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                findOptions.where = Glossary::SearchIn(i);
        });
        options->addWidget(Option1[i]);
    }
    Option1[Glossary::SearchTerms]->setChecked(true);
    Check1 = new QCheckBox("Match Case");
    Check1->setObjectName("Check1");
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { findOptions.matchCase = on; });
    options->addWidget(Check1);
    return options;
}

// The buttons under the window; Done stands apart on the right.
QLayout* Viewing::makeButtonRow()
{
    auto* buttons = new QHBoxLayout;
    for (int i : {Print, Find, Notebook, HelpButton})
        buttons->addWidget(Command1[i]);
    buttons->addStretch();
    buttons->addWidget(Command1[Done]);
    return buttons;
}

void Viewing::formLoad()
{
    restorePosition();
    const bool showGlossary = state.ViewingMode == GlossaryMode;
    RichTextBox2->setVisible(showGlossary);
    List1->setVisible(showGlossary);
    Frame2->setVisible(showGlossary);
    Command1[Find]->setVisible(showGlossary);
    Label1->setVisible(!showGlossary);
    Command1[Print]->setVisible(!showGlossary);
    if (showGlossary)
        loadGlossary();
    else
        loadReadingText();
    setWindowTitle(withoutAccessKeys(showGlossary ? GlossaryCaption
                                              : state.edition.MenuDiscussionButtons.at(state.ViewingMode - 1)));
    if (state.PrinterFailed)
        Command1[Print]->setEnabled(false);
}

void Viewing::loadReadingText()
{
    Body.set(state.text.document(state.text.ReadingTexts.at(state.ViewingMode) + state.CrLf.toLatin1()));
    RichTextBox1->setTextRTF(Body.forWindow(isMaximised()));
    Label1->setText("Please Read Carefully...");
}

void Viewing::loadGlossary()
{
    glossary = Glossary(state.text.GlossaryEntries);
    for (int i = 1; i <= glossary.count(); ++i)
        List1->addItem(cp1252::toUnicode(glossary.term(i)));
    for (int k = 0; k < 26; ++k)
        Command3[k]->setEnabled(glossary.hasLetter(k));
    selectEntry(glossary.current());
}

void Viewing::ShowEntry()
{
    const int i = glossary.current();
    if (i < 1)
        return;
    Body.set(state.text.document(glossary.definition(i)));
    Heading.set(state.text.document("\\b\\qc " + glossary.term(i)));
    RichTextBox1->setTextRTF(Body.forWindow(isMaximised()));
    RichTextBox2->setTextRTF(Heading.forWindow(isMaximised()));
}

// The user moved in the list.
void Viewing::listRowChanged(int row)
{
    glossary.select(row + 1);
    ShowEntry();
}

// Selects an entry in the list and shows it, also when it was selected already.
void Viewing::selectEntry(int entry)
{
    glossary.select(entry);
    const QSignalBlocker quiet(List1);
    List1->setCurrentRow(entry - 1);
    ShowEntry();
}

void Viewing::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    showCopy(RichTextBox1, Body, isMaximised());  // the heading follows with the next entry shown
}

void Viewing::letterClick(int k)
{
    selectEntry(glossary.letterClick(k));
    Command3[k]->setFocus();
}

bool Viewing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text().toUpper();
        const bool plain = !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
        if (plain && typed.size() == 1 && typed.at(0) >= 'A' && typed.at(0) <= 'Z') {
            const int k = typed.at(0).unicode() - 'A';
            if (glossary.hasLetter(k)) {
                Command3[k]->click();
                return true;
            }
        }
    }
    return Form::eventFilter(watched, event);
}

void Viewing::commandClick(int index)
{
    switch (index) {
    case Print:
        print();
        break;
    case Notebook:
        state.forms.showRestored("NoteBook");
        break;
    case Done:
        close();
        break;
    case HelpButton:
        showHelp(state, state.ViewingMode == GlossaryMode ? 7 : 4, Forms::Modeless, true);
        break;
    case FindNext:
        findNext();
        break;
    case Cancel:
        closeFindPanel();
        break;
    case Find:
        openFindPanel();
        break;
    }
}

void Viewing::print()
{
    if (printWithDialog(*RichTextBox1, state.platform.printerDialog, state.platform.printer))
        RichTextBox1->setFocus();
}

void Viewing::openFindPanel()
{
    Frame1->show();
    for (int i : {Print, Notebook, Done})
        Command1[i]->setEnabled(false);
    if (Text2->text().isEmpty())
        Command1[FindNext]->setEnabled(false);
    if (RichTextBox1->SelLength() > 0) {
        Text2->setText(RichTextBox1->SelText());
        Command1[FindNext]->click();
    }
    Text2->setFocus();
    Text2->setCursorPosition(0);
}

void Viewing::closeFindPanel()
{
    Frame1->hide();
    for (int i : {Print, Notebook, Done})
        Command1[i]->setEnabled(true);
}

void Viewing::findNext()
{
    if (RichTextBox1->SelLength() > 0)
        Text2->setText(RichTextBox1->SelText());
    FindText(Text2->text().trimmed());
}

void Viewing::text2Change()
{
    Command1[FindNext]->setEnabled(!Text2->text().isEmpty() || Text2->cursorPosition() != 0);
}

void Viewing::FindText(const QString& what)
{
    if (const int entry = glossary.find(what, findOptions))
        selectEntry(entry);
    else
        state.platform.prompter.message(what + " not found.", Prompter::OkOnly, Prompter::Question, "Sorry!");
}

void Viewing::formUnload() { storePosition(false); }
