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
    connect(List1, &QListWidget::currentRowChanged, this, &Viewing::ShowEntry);

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
        options->addWidget(Option1[i]);
    }
    Option1[SearchTerms]->setChecked(true);
    Check1 = new QCheckBox("Match Case");
    Check1->setObjectName("Check1");
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
    FoundEntry = 0;
    restorePosition();
    const bool glossary = state.ViewingMode == GlossaryMode;
    RichTextBox2->setVisible(glossary);
    List1->setVisible(glossary);
    Frame2->setVisible(glossary);
    Command1[Find]->setVisible(glossary);
    Label1->setVisible(!glossary);
    Command1[Print]->setVisible(!glossary);
    if (glossary)
        loadGlossary();
    else
        loadReadingText();
    setWindowTitle(withoutAccessKeys(glossary ? GlossaryCaption
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
    const int count = int(state.text.GlossaryEntries.size()) - 1;
    GlossaryTerms.assign(size_t(std::max(count, 0)) + 1, {});
    GlossaryDefinitions.assign(GlossaryTerms.size(), {});
    QByteArray previousInitial;
    for (int i = 1; i <= count; ++i) {
        const GlossaryEntry entry = splitGlossaryEntry(state.text.GlossaryEntries[i]);
        GlossaryTerms[i] = entry.Term;
        GlossaryDefinitions[i] = entry.Definition;
        List1->addItem(cp1252::toUnicode(entry.Term));
        // A letter that comes back later in the list keeps its first start.
        const QByteArray initial = entry.Term.left(1).toUpper();
        if (initial != previousInitial && initial >= "A" && initial <= "Z") {
            const int k = initial.at(0) - 'A';
            if (!Command3[k]->isEnabled()) {
                LetterStart[k] = i;
                Command3[k]->setEnabled(true);
            }
        }
        previousInitial = initial;
    }
    LetterStart[26] = List1->count() + 1;
    selectEntry(0);
}

void Viewing::ShowEntry()
{
    const int i = List1->currentRow() + 1;
    if (i < 1)
        return;
    Body.set(state.text.document(GlossaryDefinitions[i]));
    Heading.set(state.text.document("\\b\\qc " + GlossaryTerms[i]));
    RichTextBox1->setTextRTF(Body.forWindow(isMaximised()));
    RichTextBox2->setTextRTF(Heading.forWindow(isMaximised()));
}

// Selects a list entry and shows it, also when it was selected already.
void Viewing::selectEntry(int row)
{
    if (List1->currentRow() == row)
        ShowEntry();
    else
        List1->setCurrentRow(row);
}

void Viewing::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    showCopy(RichTextBox1, Body, isMaximised());  // the heading follows with the next entry shown
}

void Viewing::letterClick(int k)
{
    const int selected = List1->currentRow();
    if (LastLetter == k && selected != List1->count() - 1) {
        int j = k + 1;
        while (j < 26 && LetterStart[j] == 0)
            ++j;
        // Step through the letter's terms, and back to its first one after its last.
        selectEntry(selected < LetterStart[j] - 2 ? selected + 1 : LetterStart[k] - 1);
    } else {
        selectEntry(LetterStart[k] - 1);
        LastLetter = k;
    }
    Command3[k]->setFocus();
}

bool Viewing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text().toUpper();
        const bool plain = !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
        if (plain && typed.size() == 1 && typed.at(0) >= 'A' && typed.at(0) <= 'Z') {
            QPushButton* button = Command3[typed.at(0).unicode() - 'A'];
            if (button->isEnabled()) {
                button->click();
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

bool Viewing::entryMatches(int i, const QString& what) const
{
    QByteArray target;
    if (!Option1[SearchDefinitions]->isChecked())
        target += GlossaryTerms[i];
    if (!Option1[SearchTerms]->isChecked())
        target += GlossaryDefinitions[i];  // "Search Both" joins them directly
    const QString text = cp1252::toUnicode(target);
    if (Check1->isChecked())
        return text.contains(what);
    return text.toUpper().contains(what.toUpper());
}

void Viewing::FindText(const QString& what)
{
    const int count = List1->count();
    if (FoundEntry < count)
        FoundEntry = List1->currentRow() + 1;
    // From the entry after the current one to the end, then once more from the top.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = FoundEntry + 1; i <= count; ++i) {
            if (entryMatches(i, what)) {
                FoundEntry = i;
                selectEntry(i - 1);
                return;
            }
        }
        if (FoundEntry == 0)
            break;
        FoundEntry = 0;
    }
    state.platform.prompter.message(what + " not found.", Prompter::OkOnly, Prompter::Question, "Sorry!");
}

void Viewing::formUnload() { storePosition(false); }
