#include "exams/exam_card.h"

#include "platform/printer.h"
#include "platform/runtime_error.h"
#include "shell/app_state.h"
#include "shell/card_messages.h"
#include "shell/config_rewrite.h"
#include "shell/fixed_pitch_list.h"
#include "shell/help_window.h"
#include "shell/report_printing.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int ScoringSlot = 14;
constexpr int ScoringHelpPage = 13;
constexpr int ListPoints = 10;
constexpr int MaximisedListPoints = 15;
constexpr int TotalsOffset = 13;  // characters from the list's left edge to the totals
// The list's columns in characters, after the exam title's 14.
constexpr std::array<int, 8> ColumnWidths = {10, 7, 7, 9, 9, 9, 8, 10};
constexpr int TitleWidth = 14;
}  // namespace

Scoring::Scoring(AppState& appState) : Form(appState, "Scoring", ScoringSlot)
{
    setWindowTitle(state.edition.ScoringCaption);

    // The exams, one fixed-pitch line each, under their column headings.
    List1 = new QListWidget;
    List1->setObjectName("List1");
    connect(List1, &QListWidget::currentRowChanged, this, &Scoring::list1Click);

    // The totals, the selected exam's topics and the note.
    const auto label = [this](int index, const QString& text) {
        Label1[index] = new QLabel(text);
        Label1[index]->setObjectName(QStringLiteral("Label1(%1)").arg(index));
        Label1[index]->setTextFormat(Qt::PlainText);
        return Label1[index];
    };
    label(TotalsLabel, "Total:")->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label(TopicsLabel, "Topics Covered:");
    label(NoteLabel, state.edition.ScoringNote)->setWordWrap(true);

    // The command buttons.
    const std::array<const char*, 6> captions = {"&Print", "&Erase Exam", "&Done", "&Help", "&Retake Exam",
                                                 "&View Results"};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }

    // Layout: headings, list and totals across the window; under them the topics, the sort and
    // include frames and the buttons; the note at the bottom.
    auto* buttons = new QVBoxLayout;
    for (int i : {PrintButton, EraseButton, ViewButton, HelpButton, DoneButton})
        buttons->addWidget(Command1[i]);
    buttons->addStretch();
    auto* choices = new QHBoxLayout;
    choices->addWidget(makeSortFrame());
    choices->addWidget(makeIncludeFrame());
    choices->addStretch();
    choices->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeadings());
    layout->addWidget(List1, 1);
    layout->addWidget(Label1[TotalsLabel]);
    layout->addWidget(Label1[TopicsLabel]);
    layout->addLayout(choices);
    layout->addWidget(Label1[NoteLabel]);

    for (QWidget* fixed : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Label1[TotalsLabel])}) {
        QFont font = fixedPitchFont(ListPoints);
        font.setBold(true);
        fixed->setFont(font);
    }
    alignColumns();
    resize(760, 540);
}

// The headings scroll sideways with the list, so that the larger print of a maximised card on a
// small screen scrolls rather than widening the window past the screen.
QWidget* Scoring::makeHeadings()
{
    auto* headings = new QWidget;
    auto* row = new QHBoxLayout(headings);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const std::array<const char*, 8> texts = {"Date Taken",     "Percent Correct", "Questions Asked",
                                              "Number Answered", "Unsure Answers", "Scrambled Order",
                                              "Allotted Time (min.)", "Time Used (h:m:s)"};
    Label1[TitleHeading] = new QLabel("Exam Title");
    Label1[TitleHeading]->setObjectName("Label1(11)");
    Label1[TitleHeading]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    row->addWidget(Label1[TitleHeading]);
    for (int i = 0; i < int(texts.size()); ++i) {
        Label1[i] = new QLabel(texts[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        Label1[i]->setWordWrap(true);
        row->addWidget(Label1[i]);
    }
    row->addStretch();
    // A little smaller than the labels, so that the longest heading words fit their columns.
    QFont font = headings->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    headings->setFont(font);
    auto* view = new QScrollArea;
    view->setWidget(headings);
    view->setWidgetResizable(true);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    view->setFixedHeight(2 * QFontMetrics(font).lineSpacing() + 4);  // two lines of heading words
    connect(List1->horizontalScrollBar(), &QScrollBar::valueChanged, view->horizontalScrollBar(), &QScrollBar::setValue);
    return view;
}

QGroupBox* Scoring::makeSortFrame()
{
    Frame1 = new QGroupBox("Sort List By:");
    Frame1->setObjectName("Frame1");
    auto* grid = new QGridLayout(Frame1);
    const std::array<const char*, 5> captions = {"Earliest Date Taken", "Latest Date Taken", "Percent Correct",
                                                 "Questions Asked", "Percent Unsure"};
    for (int i = 0; i < int(Option1.size()); ++i) {
        Option1[i] = new QRadioButton(captions[i]);
        Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        grid->addWidget(Option1[i], i % 3, i / 3);
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                option1Click(i);
        });
    }
    return Frame1;
}

QGroupBox* Scoring::makeIncludeFrame()
{
    Frame2 = new QGroupBox("Include");
    Frame2->setObjectName("Frame2");
    auto* column = new QVBoxLayout(Frame2);
    const std::array<const char*, 3> captions = {"All Questions", "Missed Questions", "Unsure Questions"};
    for (int i = 0; i < int(Option2.size()); ++i) {
        Option2[i] = new QRadioButton(captions[i]);
        Option2[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
        column->addWidget(Option2[i]);
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            Included = RetakeChoice(i);
            showRetakeChoices();
        });
    }
    Option2[AllQuestions]->setChecked(true);
    column->addWidget(Command1[RetakeButton]);
    return Frame2;
}

// The headings and the totals stand over and under the list's columns, whatever its font.
void Scoring::alignColumns()
{
    const int character = QFontMetrics(List1->font()).horizontalAdvance(QLatin1Char('0'));
    const int edge = List1->frameWidth() + List1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List1) + 1;
    Label1[TitleHeading]->setFixedWidth(edge + TitleWidth * character);
    for (int i = 0; i < int(ColumnWidths.size()); ++i)
        Label1[i]->setFixedWidth(ColumnWidths[i] * character);
    Label1[TotalsLabel]->setIndent(edge + TotalsOffset * character);
}

void Scoring::formLoad()
{
    menuLock.emplace(state.mainMenu);
    restorePosition();
    clearAnswers(state.exam);
    try {
        Card.load(ConfigImage(state.config()), state.edition);
    } catch (const RuntimeError& error) {
        tellUnreadableCardFile(state.platform.prompter, error.Description);
    }
    tellUnshownRecords(state.platform.prompter, int(Card.unshownRecords().size()));
    if (Card.rows().empty()) {
        disableCardActions();
        Frame1->setEnabled(false);
    } else {
        FillExamReportList();
        Option1[ExamCard::EarliestDate]->setChecked(true);
        List1->setCurrentRow(0);
    }
    if (state.PrinterFailed)
        Command1[PrintButton]->setEnabled(false);
}

void Scoring::formUnload()
{
    storePosition(true);
    menuLock.reset();
}

void Scoring::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    for (QWidget* fixed : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Label1[TotalsLabel])}) {
        QFont font = fixed->font();
        font.setPointSize(isMaximised() ? MaximisedListPoints : ListPoints);
        fixed->setFont(font);
    }
    alignColumns();
}

void Scoring::FillExamReportList()
{
    {
        const QSignalBlocker quiet(List1);
        QStringList lines;
        for (const ExamCardRow& row : Card.rows())
            lines.append(cardLine(row.Record, state.edition));
        fillFixedPitchList(List1, lines);
    }
    if (Card.rows().empty()) {
        Label1[TotalsLabel]->setText("Total:");
        Label1[TopicsLabel]->setText("Topics Covered: ");
        Command1[RetakeButton]->setEnabled(false);
    } else {
        Label1[TotalsLabel]->setText(totalsLine(cardTotals(Card.rows())));
    }
    List1->setCurrentRow(Card.selected());
}

void Scoring::list1Click(int line)
{
    if (line < 0)
        return;
    Card.select(line);
    const ExamRecord& r = Card.selectedRow()->Record;
    const Edition& edition = state.edition;
    Label1[TopicsLabel]->setText("Topics Covered: " + topicsText(r, edition));
    const int choice = r.Kind - edition.TopicCount;
    const int examSize = choice <= edition.PreparedExamCount ? state.text.TopicItemCounts[choice][2] : 0;
    Allowed = retakeChoices(r, state.settings.TopicDrillLevel[r.Kind], examSize, edition);
    showRetakeChoices();
}

void Scoring::showRetakeChoices()
{
    if (!Card.selectedRow())
        return;
    for (int i = 0; i < int(Option2.size()); ++i)
        Option2[i]->setEnabled(Allowed[i]);
    Command1[RetakeButton]->setEnabled(Allowed[Included]);
}

void Scoring::option1Click(int index)
{
    Card.sort(ExamCard::SortOrder(index));
    FillExamReportList();
}

void Scoring::command1Click(int index)
{
    switch (index) {
    case PrintButton: print(); break;
    case EraseButton: eraseExam(); break;
    case DoneButton: done(); break;
    case HelpButton: showHelp(state, ScoringHelpPage, Forms::Modeless); break;
    case RetakeButton: retakeExam(); break;
    case ViewButton: viewResults(); break;
    }
}

void Scoring::print()
{
    const Edition& edition = state.edition;
    CardPrintout printout{edition.ScoringCaption, {}, totalsLine(cardTotals(Card.rows()))};
    for (const ExamCardRow& row : Card.rows()) {
        const ExamRecord& r = row.Record;
        printout.Exams.append({cardLine(r, edition), isCustomExam(r, edition), topicsText(r, edition)});
    }
    const bool printed = printThroughDialog(state, [&](PrinterDevice& printer, int copies) {
        useReportFont(state);
        printCard(printer, printout, copies);
    });
    if (printed)
        Command1[DoneButton]->setFocus();
}

void Scoring::eraseExam()
{
    Card.eraseSelected();
    FillExamReportList();
    if (Card.rows().empty())
        disableCardActions();
}

void Scoring::done()
{
    if (saveErasures())
        state.forms.unload("Scoring");
}

void Scoring::retakeExam()
{
    if (!saveErasures() || !Card.selectedRow())
        return;
    prepareRetake(state.exam, Card.selectedRow()->Record, Included, state.edition);
    AppState& shared = state;  // this window is closed next
    shared.forms.unload("Scoring");
    shared.mainMenu.clearChoice();
    shared.forms.unload("ExamTest");
    shared.forms.show("ExamTest");
}

void Scoring::viewResults()
{
    if (!saveErasures() || !Card.selectedRow())
        return;
    prepareResults(state.exam, Card.selectedRow()->Record, state.edition);
    AppState& shared = state;  // this window is closed next
    shared.forms.unload("Scoring");
    shared.forms.unload("Results");
    shared.forms.show("Results");
}

// Erasures reach the file only when the user agrees. One that could not be saved keeps the card
// open with its erasures, so that leaving it never drops them unnoticed.
bool Scoring::saveErasures()
{
    if (!Card.erased())
        return true;
    if (askToSaveCard(state.platform.prompter, "Exam Data Erased!")) {
        const CardRewrite rewrite = rewriteReportCard(state.config(), ReportCardOf::Exams, Card.keptRecords(state.edition),
                                                      Card.unshownRecords(), state.review.ReviewRecordNo);
        if (!tellCardRewrite(state.platform.prompter, rewrite, "review test"))
            return false;
    }
    Card.clearErased();
    return true;
}

void Scoring::disableCardActions()
{
    for (int i : {PrintButton, EraseButton, RetakeButton, ViewButton})
        Command1[i]->setEnabled(false);
    Frame2->setEnabled(false);
}
