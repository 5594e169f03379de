// The review-test report card without its window: one row per review test of the configuration
// file, the fixed-pitch list and totals lines, the five sorts, the selection, erasing, which
// retakes the selected test allows, the retake it prepares, and the printout.
#pragma once

#include "review/review_record.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class ConfigImage;
class PrinterDevice;
struct Edition;
struct ReviewState;

struct ReviewCardRow {
    ReviewRecord Test;     // as loaded; a kept line is written back from it
    int RowId = 0;         // its line number at load
    int WildGuesses = 0;   // positions missed more than once
};

// "0:59:36" for 59.6 minutes; seconds that round to 60 carry into the minutes.
QString cardTimeText(double minutes);
// The list line of one test, 79 characters in fixed-width columns.
QString cardLine(const ReviewCardRow& row);
// The totals line under the list; "Total:" alone when there are no rows. Totals are summed in
// 64 bits, so no history is long enough to overflow them.
QString cardTotals(const QList<ReviewCardRow>& rows);

// What a retake includes.
enum class Include { AllQuestions, MissedQuestions, WildGuesses };
using RetakeChoices = std::array<bool, 3>;  // by Include
// The retakes a test allows. A topic with three drills refuses a retake that would again cover
// every item of the topic (topicItems: the topic's review items).
RetakeChoices retakeChoices(const ReviewCardRow& row, int drillLevel, int topicItems);
// Prepares the retake of a test as the review test in progress, in the test's stored order.
void prepareRetake(ReviewState& review, const ReviewCardRow& row, Include include);

class ReviewCard {
public:
    enum SortOrder { EarliestDate, LatestDate, PercentCorrect, TopicSequence, PercentWildGuesses };

    // The review tests of records 2 on, in file order; damaged records are left off the list and
    // kept aside, whole.
    void load(const ConfigImage& image, const Edition& edition);

    const QList<ReviewCardRow>& rows() const { return rows_; }
    QStringList lines() const;
    int selected() const { return selected_; }  // line index; -1 when the list is empty
    const ReviewCardRow* selectedRow() const { return selected_ >= 0 ? &rows_[selected_] : nullptr; }
    bool erased() const { return erased_; }

    void select(int line) { selected_ = line; }
    // Sorts the lines; the same test stays selected.
    void sort(SortOrder order);
    // Erases the selected line (in memory) and selects the line above it, or the new first line.
    void eraseSelected();
    // The save question was asked: the erasures are no longer pending.
    void clearErased() { erased_ = false; }
    // The records of the lines now on the card, in list order.
    QList<QByteArray> keptRecords() const;
    // The records of its kind that the card could not show, in file order.
    const QList<QByteArray>& unshownRecords() const { return unshown_; }

private:
    QList<ReviewCardRow> rows_;
    QList<QByteArray> unshown_;
    int selected_ = -1;
    bool erased_ = false;
};

inline const QString CardCaption = QStringLiteral("Review Test Scoring Report Card");

// Prints copies of the card, each from a page of its own: headings, the lines with page breaks,
// and the totals. Printer errors raise a RuntimeError and end the printing where it was.
void printReviewCard(PrinterDevice& printer, const QStringList& lines, const QString& totals, int copies);
