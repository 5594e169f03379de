#include "review/review_card_rows.h"

#include "editions/edition.h"
#include "platform/basic.h"
#include "platform/printer.h"
#include "review/review_rules.h"
#include "shell/app_state.h"

#include <algorithm>
#include <cmath>

namespace {
// The card also shows the score and the tries per item, which a resumed test works out again.
bool isShownTest(const ReviewRecord& r, const Edition& edition)
{
    return isSoundReviewRecord(r, edition) && std::isfinite(r.Score) && r.Score >= 0 && r.Score <= 1
           && std::isfinite(r.TriesPerItem) && r.TriesPerItem >= 0;
}

int countMisses(const ReviewCardRow& row, int least)
{
    const auto misses = row.Test.Misses.begin() + 1;
    return int(std::count_if(misses, misses + row.Test.ItemCount, [least](int m) { return m >= least; }));
}

double wildShare(const ReviewCardRow& row) { return double(row.WildGuesses) / row.Test.ItemCount; }

void printHeading(PrinterDevice& printer, const QString& caption)
{
    printer.printLine(1, QString());
    printer.printLine(1, caption);
    printer.printLine(1, QString());
}

void printCopy(PrinterDevice& printer, const QStringList& lines, const QString& totals)
{
    constexpr int FirstListLine = 7, PageEnd = 62, ContinuedListLine = 3;
    printHeading(printer, review_card::Caption);
    printer.printLine(20, "Date" + basic::Space(5) + "Percent" + basic::Space(2) + "Questions" + basic::Space(3) + "Wild" + basic::Space(3)
                               + "Tries" + basic::Space(2) + "Scrambled" + basic::Space(2) + "Time Used");
    printer.printLine(1, "  Test Type  " + basic::Space(6) + "Taken" + basic::Space(4) + "Correct" + basic::Space(4) + "Asked"
                              + basic::Space(3) + "Guesses" + basic::Space(2) + "Ratio" + basic::Space(4) + "Order" + basic::Space(4)
                              + "(h:m:s)");
    printer.printLine(1, QString(82, '-'));
    int lineNo = FirstListLine;
    for (const QString& line : lines) {
        printer.printLine(3, line);
        if (++lineNo == PageEnd) {
            printer.newPage();
            printHeading(printer, review_card::Caption + " (cont.)");
            lineNo = ContinuedListLine;
        }
    }
    printer.printLine(18, QString(65, '-'));
    printer.printLine(18, totals);
    printer.newPage();
}
}  // namespace

RecordFit ReviewCardRow::read(const QByteArray& record, const Edition& edition, ReviewCardRow& row)
{
    row.Test = decodeReviewRecord(record);
    if (row.Test.Kind > edition.TopicCount)
        return RecordFit::OtherCard;  // an exam record
    if (!isShownTest(row.Test, edition))
        return RecordFit::Unshown;
    row.WildGuesses = countMisses(row, 2);
    return RecordFit::Shown;
}

QString ReviewCardRow::line(const Edition&) const { return review_card::line(*this); }

bool ReviewCardRow::outOfOrder(int order, const ReviewCardRow& j, const ReviewCardRow& k)
{
    using namespace review_card;
    switch (SortOrder(order)) {
    case EarliestDate: return basic::dateSortKey(j.Test.SavedDate) > basic::dateSortKey(k.Test.SavedDate);
    case LatestDate: return basic::dateSortKey(j.Test.SavedDate) < basic::dateSortKey(k.Test.SavedDate);
    case PercentCorrect: return j.Test.Score < k.Test.Score;
    case TopicSequence: return j.Test.Kind > k.Test.Kind;
    case PercentWildGuesses: return wildShare(k) > wildShare(j);
    }
    return false;
}

RetakeChoices ReviewCardRow::retakes(const RetakeLimits& limits, const Edition&) const
{
    return review_card::retakeChoices(*this, limits.drillLevel(Test.Kind), limits.itemCount(Test.Kind, 1));
}

namespace review_card {

QString timeText(double minutes)
{
    const double whole = std::floor(minutes);
    const double seconds = whole * 60 + double(basic::roundHalfEven((minutes - whole) * 60));
    const double h = std::floor(seconds / 3600);
    const double mm = std::floor((seconds - h * 3600) / 60);
    const double ss = seconds - h * 3600 - mm * 60;
    return basic::formatNumber(h, "##0:") + basic::formatNumber(mm, "0#:") + basic::formatNumber(ss, "0#");
}

QString line(const ReviewCardRow& row)
{
    static const QStringList types = {"All Items    ", "Retake All   ", "Retake Missed"};
    const ReviewRecord& t = row.Test;
    const QString type = t.TestType >= 1 && t.TestType <= 3 ? types[t.TestType - 1] : "Retake Wild  ";
    return type + basic::rightAlign(QString::fromLatin1(t.SavedDate), 12)
           + basic::rightAlign(basic::formatNumber(t.Score, "##0.0%"), 8)
           + basic::rightAlign(basic::Str(int(t.ItemCount)), 7) + basic::rightAlign(basic::Str(row.WildGuesses), 9)
           + basic::rightAlign(basic::formatNumber(t.TriesPerItem, "##.#0"), 10)
           + (t.Scrambled != 0 ? basic::Space(5) + "Yes" : basic::Space(6) + "No")
           + basic::rightAlign(timeText(t.Minutes), 12);
}

Totals totals(const std::vector<ReviewCardRow>& rows)
{
    Totals sum;
    for (const ReviewCardRow& row : rows) {
        const ReviewRecord& t = row.Test;
        sum.Asked += t.ItemCount;
        sum.Wild += row.WildGuesses;
        sum.Right = basic::roundHalfEven(t.ItemCount * double(t.Score) + double(sum.Right));
        sum.Tries = basic::roundHalfEven(t.ItemCount * double(t.TriesPerItem) + double(sum.Tries));
        sum.Minutes += t.Minutes;
    }
    return sum;
}

QString totalsLine(const Totals& t)
{
    if (t.Asked == 0)
        return "Total:";
    return " Total:" + basic::rightAlign(basic::formatNumber(double(t.Right) / double(t.Asked), "##0.0%"), 11)
           + basic::rightAlign(basic::formatNumber(double(t.Asked), "##,###"), 7)
           + basic::rightAlign(basic::formatNumber(double(t.Wild), "##,##0"), 9)
           + basic::rightAlign(basic::formatNumber(double(t.Tries) / double(t.Asked), "##.#0"), 10) + basic::Space(9)
           + basic::rightAlign(timeText(t.Minutes), 11);
}

RetakeChoices retakeChoices(const ReviewCardRow& row, int drillLevel, int topicItems)
{
    const ReviewRecord& t = row.Test;
    RetakeChoices allowed{true, true, true};
    auto& [all, missed, wild] = allowed;
    // A test with nothing missed has nothing to retake but all of it; the score alone cannot
    // tell it for a test left before its end.
    if (t.Score == 1.0f || countMisses(row, 1) == 0)
        missed = wild = false;
    if (row.WildGuesses == 0)
        wild = false;
    if (drillLevel >= 3) {
        if (t.ItemCount == topicItems)
            all = false;
        if (t.Score == 0.0f)
            missed = false;
        if (row.WildGuesses == topicItems)
            wild = false;
    }
    return allowed;
}

void prepareRetake(ReviewState& review, const ReviewCardRow& row, Include include)
{
    const ReviewRecord& t = row.Test;
    std::fill(review.ReviewMisses.begin(), review.ReviewMisses.end(), 0);
    review.ReviewTally = {};
    const int least = include == Include::MissedQuestions ? 1 : 2;
    int count = 0;
    for (int p = 1; p <= t.ItemCount; ++p) {
        if (include == Include::AllQuestions || t.Misses[p] >= least)
            review.ReviewOrder[++count] = t.Items[p];
    }
    review.ReviewItemCount = count;
    review.ReviewTestType = 2 + int(include);
    review.CurrentTopic = t.Kind;
    review.ReviewItemsReached = 0;
    review.ReviewItemNo = 1;
    review.ReviewElapsed = 0;
    review.ReviewScore = 0;
    for (int kind = ReviewState::CoinToss; kind <= ReviewState::ExpertAdvice; ++kind)
        review.LifelinesLeft[kind] = retakeLifelines(count);
}

void print(PrinterDevice& printer, const QStringList& lines, const QString& totals, int copies)
{
    for (int copy = 1; copy <= copies; ++copy)
        printCopy(printer, lines, totals);
    printer.endDocument();
}

}  // namespace review_card
