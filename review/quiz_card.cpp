#include "review/quiz_card.h"

#include "platform/basic.h"
#include "platform/printer.h"
#include "platform/runtime_error.h"
#include "shell/app_state.h"
#include "shell/card_messages.h"
#include "shell/config_rewrite.h"
#include "shell/fixed_pitch_list.h"
#include "shell/help_window.h"
#include "shell/report_printing.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int CardSlot = 12;
constexpr int CardHelpPage = 6;
constexpr int ListPoints = 9, MaximisedListPoints = 15;
constexpr int LineWidth = 80;     // characters of a list line, with a blank to spare
constexpr int TotalsIndent = 15;  // characters: the totals line's figures fall under the list's columns
constexpr int ItemMargin = 3;     // pixels between the list's frame and its text
// The list's columns in characters, with the headings above them.
constexpr std::array<int, 8> ColumnWidths = {13, 12, 8, 7, 9, 10, 8, 12};
const std::array<const char*, 8> Headings = {"Test Type",   "Date Taken",  "Percent Correct", "Questions Asked",
                                             "Wild Guesses", "Tries Ratio", "Scrambled Order", "Time Used (h:m:s)"};

QFont listFont(int points)
{
    QFont font = fixedPitchFont(points);
    font.setBold(true);
    return font;
}

template <class T>
T* named(T* widget, const QString& name, int index)
{
    widget->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    return widget;
}
}  // namespace

QuizSumm::QuizSumm(AppState& appState) : Form(appState, "QuizSumm", CardSlot)
{
    setWindowTitle(CardCaption);

    List1 = new QListWidget;
    List1->setObjectName("List1");
    connect(List1, &QListWidget::currentRowChanged, this, &QuizSumm::list1Click);
    connect(List1->horizontalScrollBar(), &QScrollBar::valueChanged, this, &QuizSumm::placeHeadings);
    Label2 = new QLabel("Total:");
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Topic Number:");
    Label3->setObjectName("Label3");
    Label3->setTextFormat(Qt::PlainText);
    Label4 = new QLabel("Note: You may take three complete drills of any topic review test.");
    Label4->setObjectName("Label4");
    QWidget* headings = makeHeadings();
    setListFont(listFont(ListPoints));
    // Whole lines at the normal size; the larger print of a maximised window on a small screen
    // scrolls rather than pushing the buttons off the screen.
    List1->setMinimumWidth(QFontMetrics(List1->font()).horizontalAdvance(QString(LineWidth, '0'))
                           + 2 * (List1->frameWidth() + ItemMargin) + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // The buttons beside the two frames; Retake sits in the frame of what it includes.
    const std::array<const char*, 5> captions = {"&Print", "&Erase Test", "&Done", "&Help", "&Retake"};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i] = named(new QPushButton(captions[i]), "Command1", i);
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }
    auto* buttons = new QVBoxLayout;
    for (int i : {PrintButton, EraseButton, HelpButton, DoneButton})
        buttons->addWidget(Command1[i]);
    buttons->addStretch();

    auto* controls = new QHBoxLayout;
    controls->addWidget(makeSortFrame());
    controls->addWidget(makeIncludeFrame());
    controls->addStretch();
    controls->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headings);
    layout->addWidget(List1, 1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(controls);
    layout->addWidget(Label4);
    resize(760, 540);
}

QWidget* QuizSumm::makeHeadings()
{
    // Placed by setListFont over the list's columns.
    auto* headings = new QWidget;
    for (int i = 0; i < int(Label1.size()); ++i) {
        Label1[i] = named(new QLabel(Headings[i], headings), "Label1", i);
        Label1[i]->setWordWrap(true);
        Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont small = Label1[i]->font();
        small.setPointSizeF(small.pointSizeF() - 1);
        Label1[i]->setFont(small);
    }
    headings->setFixedHeight(2 * Label1[0]->fontMetrics().lineSpacing() + 4);
    return headings;
}

QGroupBox* QuizSumm::makeSortFrame()
{
    Frame1 = new QGroupBox("Sort List By:");
    Frame1->setObjectName("Frame1");
    auto* column = new QVBoxLayout(Frame1);
    auto* group = new QButtonGroup(this);
    const std::array<const char*, 5> orders = {"Earliest Date Taken", "Latest Date Taken", "Percent Correct",
                                               "Topic Sequence", "Percent Wild Guesses"};
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = named(new QRadioButton(orders[i]), "Option1", i);
        group->addButton(Option1[i]);
        column->addWidget(Option1[i]);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                option1Click(i);
        });
    }
    return Frame1;
}

QGroupBox* QuizSumm::makeIncludeFrame()
{
    Frame2 = new QGroupBox("Include");
    Frame2->setObjectName("Frame2");
    auto* column = new QVBoxLayout(Frame2);
    auto* group = new QButtonGroup(this);
    const std::array<const char*, 3> includes = {"All Questions", "Missed Questions", "Wild Guesses"};
    for (int i = 0; i < int(Option2.size()); ++i) {
        Option2[i] = named(new QRadioButton(includes[i]), "Option2", i);
        group->addButton(Option2[i]);
        column->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            Included = Include(i);
            showRetakeChoices();
        });
    }
    Option2[0]->setChecked(true);
    column->addStretch();
    column->addWidget(Command1[RetakeButton]);
    return Frame2;
}

// The list's font sets where the headings go and the totals' indent, so the columns stay lined
// up.
void QuizSumm::setListFont(const QFont& font)
{
    List1->setFont(font);
    Label2->setFont(font);
    const int character = QFontMetrics(font).horizontalAdvance('0');
    Label2->setContentsMargins(List1->frameWidth() + ItemMargin + TotalsIndent * character, 0, 0, 0);
    placeHeadings();
}

// Each heading is centred over its column, reaching past it when a word is wider, and follows
// the list when it scrolls sideways.
void QuizSumm::placeHeadings()
{
    const int character = QFontMetrics(List1->font()).horizontalAdvance('0');
    int column = List1->frameWidth() + ItemMargin - List1->horizontalScrollBar()->value();
    for (int i = 0; i < int(Label1.size()); ++i) {
        const int columnWidth = ColumnWidths[i] * character;
        int width = columnWidth;
        for (const QString& word : QString(Headings[i]).split(' '))
            width = std::max(width, Label1[i]->fontMetrics().horizontalAdvance(word) + 4);
        Label1[i]->setGeometry(column - (width - columnWidth) / 2, 0, width, Label1[i]->parentWidget()->height());
        column += columnWidth;
    }
}

// ---- Opening and closing ----

void QuizSumm::formLoad()
{
    menuLock.emplace(state.mainMenu);
    restorePosition();
    try {
        Card.load(ConfigImage(state.config()), state.edition);
    } catch (const RuntimeError& error) {
        tellUnreadableCardFile(state.platform.prompter, error.Description);
    }
    tellUnshownRecords(state.platform.prompter, int(Card.unshownRecords().size()));
    if (Card.rows().isEmpty()) {
        fillReportList();
        for (QWidget* off : std::initializer_list<QWidget*>{Command1[PrintButton], Command1[EraseButton], Frame1, Frame2})
            off->setEnabled(false);
    } else {
        Option1[ReviewCard::EarliestDate]->setChecked(true);  // sorts and fills the list
        List1->setCurrentRow(0);
    }
    if (state.PrinterFailed)
        Command1[PrintButton]->setEnabled(false);
}

void QuizSumm::formUnload()
{
    storePosition(true);
    menuLock.reset();
}

void QuizSumm::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    // Larger print while maximised; it stays when the window is restored.
    if (isMaximised())
        setListFont(listFont(MaximisedListPoints));
}

// ---- The list ----

void QuizSumm::fillReportList()
{
    {
        const QSignalBlocker quiet(List1);
        fillFixedPitchList(List1, Card.lines());
    }
    Label2->setText(cardTotals(Card.rows()));
    if (Card.rows().isEmpty()) {
        Label3->setText("Topic Number:");
        Command1[RetakeButton]->setEnabled(false);
    }
    List1->setCurrentRow(Card.selected());
}

void QuizSumm::list1Click(int line)
{
    if (line < 0)
        return;
    Card.select(line);
    const int topic = Card.selectedRow()->Test.Kind;
    Label3->setText("Related Topic" + basic::formatNumber(topic, " ##: ") + state.edition.TopicTitles.value(topic));
    const std::vector<int>& levels = state.settings.TopicDrillLevel;
    const auto& itemCounts = state.text.TopicItemCounts;
    Allowed = retakeChoices(*Card.selectedRow(), topic < int(levels.size()) ? levels[topic] : 0,
                            topic < int(itemCounts.size()) ? itemCounts[topic][1] : 0);
    showRetakeChoices();
}

void QuizSumm::showRetakeChoices()
{
    if (!Card.selectedRow())
        return;
    for (int i = 0; i < int(Option2.size()); ++i)
        Option2[i]->setEnabled(Allowed[i]);
    Command1[RetakeButton]->setEnabled(Allowed[int(Included)]);
}

void QuizSumm::option1Click(int index)
{
    Card.sort(ReviewCard::SortOrder(index));
    fillReportList();
}

// ---- Buttons ----

void QuizSumm::command1Click(int index)
{
    switch (index) {
    case PrintButton: print(); break;
    case EraseButton: erase(); break;
    case DoneButton:
        if (saveErasures())
            state.forms.unload("QuizSumm");
        break;
    case HelpButton: showHelp(state, CardHelpPage, Forms::Modeless); break;
    case RetakeButton: retake(); break;
    }
}

void QuizSumm::erase()
{
    Card.eraseSelected();
    fillReportList();
    if (Card.rows().isEmpty()) {
        for (QWidget* off : std::initializer_list<QWidget*>{Command1[PrintButton], Command1[EraseButton], Frame2})
            off->setEnabled(false);
    }
}

bool QuizSumm::saveErasures()
{
    if (!Card.erased())
        return true;
    if (askToSaveCard(state.platform.prompter, "Data Erased!")) {
        const CardRewrite rewrite = rewriteReportCard(state.config(), ReportCardOf::ReviewTests, Card.keptRecords(),
                                                      Card.unshownRecords(), state.exam.ExamRecordNo);
        if (!tellCardRewrite(state.platform.prompter, rewrite, "exam"))
            return false;
    }
    Card.clearErased();
    return true;
}

void QuizSumm::retake()
{
    if (!Card.selectedRow() || !saveErasures())
        return;
    // The card goes before the test opens; what is needed of it is copied first.
    AppState& app = state;
    const ReviewCardRow row = *Card.selectedRow();
    prepareRetake(app.review, row, Included);
    app.forms.unload("QuizSumm");
    app.mainMenu.clearChoice();
    app.forms.show("Quiz800");
}

void QuizSumm::print()
{
    const bool printed = printThroughDialog(state, [&](PrinterDevice& printer, int copies) {
        useReportFont(state);
        printReviewCard(printer, Card.lines(), cardTotals(Card.rows()), copies);
    });
    if (printed)
        Command1[DoneButton]->setFocus();
}
