#include "exams/exam_card.h"

#include "shell/app_state.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
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

const CardWindow::Kind ExamCardKind = {
    "Scoring", ScoringSlot, ScoringHelpPage, ReportCardOf::Exams, "Exam Data Erased!",
    {"&Print", "&Erase Exam", "&Done", "&Help", "&Retake Exam", "&View Results"},
    {"Earliest Date Taken", "Latest Date Taken", "Percent Correct", "Questions Asked", "Percent Unsure"}, 3,
    {"All Questions", "Missed Questions", "Unsure Questions"}, false};
}  // namespace

Scoring::Scoring(AppState& appState) : CardWindow(appState, Card, ExamCardKind), Card(appState.edition)
{
    setWindowTitle(state.edition.ScoringCaption);

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
    totalsLabel = Label1[TotalsLabel];
    selectionLabel = Label1[TopicsLabel];

    // Layout: headings, list and totals across the window; under them the topics, the sort and
    // include frames and the buttons; the note at the bottom.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeadings());
    layout->addWidget(List1, 1);
    layout->addWidget(Label1[TotalsLabel]);
    layout->addWidget(Label1[TopicsLabel]);
    layout->addLayout(controlsRow({PrintButton, EraseButton, ViewButton, HelpButton, DoneButton}));
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
    exam_card::clearAnswers(state.exam);
    CardWindow::formLoad();
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

QString Scoring::totalsText() const
{
    return exam_card::totalsLine(exam_card::totals(Card.rows()));
}

QString Scoring::selectionText() const
{
    return "Topics Covered: " + (Card.selectedRow() ? exam_card::topicsText(Card.selectedRow()->Record, state.edition) : QString());
}

void Scoring::printCard(PrinterDevice& printer, int copies)
{
    const Edition& edition = state.edition;
    exam_card::Printout printout{edition.ScoringCaption, {}, totalsText()};
    for (const ExamCardRow& row : Card.rows()) {
        const ExamRecord& r = row.Record;
        printout.Exams.append({exam_card::line(r, edition), exam_card::isCustomExam(r, edition), exam_card::topicsText(r, edition)});
    }
    exam_card::print(printer, printout, copies);
}

void Scoring::retake()
{
    if (!mayLeave())
        return;
    exam_card::prepareRetake(state.exam, Card.selectedRow()->Record, Card.included(), state.edition);
    AppState& shared = state;  // this window is closed next
    shared.forms.unload("Scoring");
    shared.mainMenu.clearChoice();
    shared.forms.unload("ExamTest");
    shared.forms.show("ExamTest");
}

void Scoring::viewResults()
{
    if (!mayLeave())
        return;
    exam_card::prepareResults(state.exam, Card.selectedRow()->Record, state.edition);
    AppState& shared = state;  // this window is closed next
    shared.forms.unload("Scoring");
    shared.forms.unload("Results");
    shared.forms.show("Results");
}
