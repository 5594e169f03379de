// The mock-exam report card without its window: the stored exams as rows, their list lines and
// totals, the sorts, which retake choices a row allows, the exam state a retake or a results view
// starts from, and the printout.
#pragma once

#include "exams/exam_record.h"
#include "shell/report_card.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class PrinterDevice;
struct ExamState;

// One stored exam on the card. The record travels whole with its row through sorts and erasures,
// so that a kept exam is written back as it was read.
struct ExamCardRow {
    ExamRecord Record;
    int RowId = 0;  // the row's number at load, in file order

    static RecordFit read(const QByteArray& record, const Edition& edition, ExamCardRow& row);
    QByteArray record(const Edition& edition) const { return encodeExamRecord(Record, edition); }
    QString line(const Edition& edition) const;
    static bool outOfOrder(int order, const ExamCardRow& a, const ExamCardRow& b);
    RetakeChoices retakes(const RetakeLimits& limits, const Edition& edition) const;
};
using ExamCard = ReportCard<ExamCardRow>;

namespace exam_card {
// As the sort options are ordered.
enum SortOrder { EarliestDate, LatestDate, PercentCorrect, QuestionsAsked, PercentUnsure };

// " 1, 2, 5": the topics a custom exam was built from; empty for none.
QString topicsText(const ExamRecord& record, const Edition& edition);
bool isCustomExam(const ExamRecord& record, const Edition& edition);

// The 83-character list line of an exam, its title left-aligned in the first 14 characters.
QString examTitle(int examKind, const Edition& edition);
QString line(const ExamRecord& record, const Edition& edition);

// The totals under the list, in wide integers so that no long history overflows them.
struct Totals {
    qint64 Correct = 0;  // rounded after each row
    qint64 Asked = 0;
    qint64 Answered = 0;
    qint64 Unsure = 0;
    qint64 Allotted = 0;
    float Minutes = 0;
};
Totals totals(const std::vector<ExamCardRow>& rows);
// "Total:" and the totals, 70 characters standing under the list's columns from its 14th;
// "Total:" alone when nothing was asked.
QString totalsLine(const Totals& totals);
// Hours, minutes and seconds of a time in minutes, the hours in at least two digits and going
// on past a day.
QString totalTimeText(double minutes);

// Retake choices, as the include options are ordered.
enum RetakeChoice { AllQuestions, MissedQuestions, UnsureQuestions };
// Which choices a row allows: a choice that would ask no question never is, and once three drills
// of the exam are done neither are those that would ask the whole exam or only questions all
// marked unsure. drillLevel: the exam's drill level; examSize: the prepared exam's question count.
RetakeChoices retakeChoices(const ExamRecord& record, int drillLevel, int examSize, const Edition& edition);
// The positions a choice retakes, in order.
std::vector<int> retakePositions(const ExamRecord& record, int choice);

// The exam state of a new retake of the row's exam: its items by the choice, its time limit,
// order, mode and topics, stored under the same exam as a new record.
void prepareRetake(ExamState& exam, const ExamRecord& record, int choice, const Edition& edition);
// The exam state the results window shows a stored exam from.
void prepareResults(ExamState& exam, const ExamRecord& record, const Edition& edition);
// No answers and no unsure marks at any position.
void clearAnswers(ExamState& exam);

// What the printout shows.
struct PrintedExam {
    QString Line;    // the list line
    bool Custom = false;
    QString Topics;  // printed under a custom exam's line
};
struct Printout {
    QString Caption;
    QList<PrintedExam> Exams;  // in list order
    QString Totals;
};
inline constexpr int CardPageLimit = 61;
// Prints copies of the card, each starting on a page of its own. Printer errors raise a
// RuntimeError and end the printing where it was.
void print(PrinterDevice& printer, const Printout& printout, int copies);
}  // namespace exam_card
