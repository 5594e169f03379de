// The review-test report card without its window: one row per review test of the configuration
// file, the fixed-pitch list and totals lines, the five sorts, which retakes the selected test
// allows, the retake it prepares, and the printout.
#pragma once

#include "review/review_record.h"
#include "shell/report_card.h"

#include <QString>
#include <QStringList>

class PrinterDevice;
struct ReviewState;

struct ReviewCardRow {
    ReviewRecord Test;     // as loaded; a kept line is written back from it
    int RowId = 0;         // its line number at load
    int WildGuesses = 0;   // positions missed more than once

    static RecordFit read(const QByteArray& record, const Edition& edition, ReviewCardRow& row);
    QByteArray record(const Edition&) const { return encodeReviewRecord(Test); }
    QString line(const Edition&) const;
    static bool outOfOrder(int order, const ReviewCardRow& j, const ReviewCardRow& k);
    RetakeChoices retakes(const RetakeLimits& limits, const Edition&) const;
};
using ReviewCard = ReportCard<ReviewCardRow>;

namespace review_card {
// As the sort options are ordered.
enum SortOrder { EarliestDate, LatestDate, PercentCorrect, TopicSequence, PercentWildGuesses };

// "0:59:36" for 59.6 minutes; seconds that round to 60 carry into the minutes.
QString timeText(double minutes);
// The list line of one test, 79 characters in fixed-width columns.
QString line(const ReviewCardRow& row);

// The totals under the list, summed in 64 bits, so no history is long enough to overflow them.
struct Totals {
    qint64 Asked = 0;
    qint64 Wild = 0;
    qint64 Right = 0;  // rounded after each row
    qint64 Tries = 0;  // rounded after each row
    double Minutes = 0;
};
Totals totals(const std::vector<ReviewCardRow>& rows);
// The totals line under the list; "Total:" alone when nothing was asked.
QString totalsLine(const Totals& totals);

// What a retake includes, as the include options are ordered.
enum class Include { AllQuestions, MissedQuestions, WildGuesses };
// The retakes a test allows. A topic with three drills refuses a retake that would again cover
// every item of the topic (topicItems: the topic's review items).
RetakeChoices retakeChoices(const ReviewCardRow& row, int drillLevel, int topicItems);
// Prepares the retake of a test as the review test in progress, in the test's stored order.
void prepareRetake(ReviewState& review, const ReviewCardRow& row, Include include);

inline const QString Caption = QStringLiteral("Review Test Scoring Report Card");

// Prints copies of the card, each from a page of its own: headings, the lines with page breaks,
// and the totals. Printer errors raise a RuntimeError and end the printing where it was.
void print(PrinterDevice& printer, const QStringList& lines, const QString& totals, int copies);
}  // namespace review_card
