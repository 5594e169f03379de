#include "review/review_card.h"

#include "platform/basic.h"
#include "shell/app_state.h"

#include <QLabel>
#include <QListWidget>
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

const CardWindow::Kind ReviewCardKind = {
    "QuizSumm", CardSlot, CardHelpPage, ReportCardOf::ReviewTests, "Data Erased!",
    {"&Print", "&Erase Test", "&Done", "&Help", "&Retake"},
    {"Earliest Date Taken", "Latest Date Taken", "Percent Correct", "Topic Sequence", "Percent Wild Guesses"}, 5,
    {"All Questions", "Missed Questions", "Wild Guesses"}, true};
}  // namespace

QuizSumm::QuizSumm(AppState& appState) : CardWindow(appState, Card, ReviewCardKind), Card(appState.edition)
{
    setWindowTitle(review_card::Caption);

    connect(List1->horizontalScrollBar(), &QScrollBar::valueChanged, this, &QuizSumm::placeHeadings);
    Label2 = totalsLabel = new QLabel("Total:");
    Label2->setObjectName("Label2");
    Label3 = selectionLabel = new QLabel("Topic Number:");
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headings);
    layout->addWidget(List1, 1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(controlsRow({PrintButton, EraseButton, HelpButton, DoneButton}));  // Retake: in its frame
    layout->addWidget(Label4);
    resize(760, 540);
}

QWidget* QuizSumm::makeHeadings()
{
    // Placed by setListFont over the list's columns.
    auto* headings = new QWidget;
    for (int i = 0; i < int(Label1.size()); ++i) {
        Label1[i] = new QLabel(Headings[i], headings);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        Label1[i]->setWordWrap(true);
        Label1[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont small = Label1[i]->font();
        small.setPointSizeF(small.pointSizeF() - 1);
        Label1[i]->setFont(small);
    }
    headings->setFixedHeight(2 * Label1[0]->fontMetrics().lineSpacing() + 4);
    return headings;
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

void QuizSumm::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    // Larger print while maximised; it stays when the window is restored.
    if (isMaximised())
        setListFont(listFont(MaximisedListPoints));
}

QString QuizSumm::totalsText() const { return review_card::totalsLine(review_card::totals(Card.rows())); }

QString QuizSumm::selectionText() const
{
    if (!Card.selectedRow())
        return "Topic Number:";
    const int topic = Card.selectedRow()->Test.Kind;
    return "Related Topic" + basic::formatNumber(topic, " ##: ") + state.edition.TopicTitles.value(topic);
}

void QuizSumm::printCard(PrinterDevice& printer, int copies) { review_card::print(printer, Card.lines(), totalsText(), copies); }

void QuizSumm::retake()
{
    if (!mayLeave())
        return;
    // The card goes before the test opens; what is needed of it is copied first.
    AppState& app = state;
    const ReviewCardRow row = *Card.selectedRow();
    review_card::prepareRetake(app.review, row, review_card::Include(Card.included()));
    app.forms.unload("QuizSumm");
    app.mainMenu.clearChoice();
    app.forms.show("Quiz800");
}
