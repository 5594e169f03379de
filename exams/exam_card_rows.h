// The mock-exam report card without its window: the stored exams as rows, their list lines and
// totals, the sorts, the selection, erasing, which retake choices a row allows, the exam state a
// retake or a results view starts from, and the printout.
#pragma once

#include "exams/exam_record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class ConfigImage;
class PrinterDevice;
struct ExamState;

// One stored exam on the card. The record travels whole with its row through sorts and erasures,
// so that a kept exam is written back as it was read.
struct ExamCardRow {
    ExamRecord Record;
    int RowId = 0;  // the row's number at load, in file order
};

// " 1, 2, 5": the topics a custom exam was built from; empty for none.
QString topicsText(const ExamRecord& record, const Edition& edition);
bool isCustomExam(const ExamRecord& record, const Edition& edition);

// The 83-character list line of an exam, its title left-aligned in the first 14 characters.
QString examTitle(int examKind, const Edition& edition);
QString cardLine(const ExamRecord& record, const Edition& edition);

// The totals under the list, in wide integers so that no long history overflows them.
struct CardTotals {
    qint64 Correct = 0;  // rounded after each row
    qint64 Asked = 0;
    qint64 Answered = 0;
    qint64 Unsure = 0;
    qint64 Allotted = 0;
    float Minutes = 0;
};
CardTotals cardTotals(const std::vector<ExamCardRow>& rows);
// "Total:" and the totals, 70 characters standing under the list's columns from its 14th.
QString totalsLine(const CardTotals& totals);
// Hours, minutes and seconds of a time in minutes, the hours in at least two digits and going
// on past a day.
QString totalTimeText(double minutes);

// Retake choices, as the include options are ordered.
enum RetakeChoice { AllQuestions, MissedQuestions, UnsureQuestions };
// Which choices a row allows: a choice that would ask no question never is, and once three drills
// of the exam are done neither are those that would ask the whole exam or only questions all
// marked unsure. drillLevel: the exam's drill level; examSize: the prepared exam's question count.
std::array<bool, 3> retakeChoices(const ExamRecord& record, int drillLevel, int examSize, const Edition& edition);
// The positions a choice retakes, in order.
std::vector<int> retakePositions(const ExamRecord& record, int choice);

// The exam state of a new retake of the row's exam: its items by the choice, its time limit,
// order, mode and topics, stored under the same exam as a new record.
void prepareRetake(ExamState& exam, const ExamRecord& record, int choice, const Edition& edition);
// The exam state the results window shows a stored exam from.
void prepareResults(ExamState& exam, const ExamRecord& record, const Edition& edition);
// No answers and no unsure marks at any position.
void clearAnswers(ExamState& exam);

class ExamCard {
public:
    // As the sort options are ordered.
    enum SortOrder { EarliestDate, LatestDate, PercentCorrect, QuestionsAsked, PercentUnsure };

    // The exam records of records 2 on, in file order; damaged ones are left off the list and
    // kept aside, whole.
    void load(const ConfigImage& image, const Edition& edition);

    const std::vector<ExamCardRow>& rows() const { return rows_; }
    int selected() const { return selected_; }  // line index; -1 when the list is empty
    const ExamCardRow* selectedRow() const { return selected_ >= 0 ? &rows_[size_t(selected_)] : nullptr; }
    bool erased() const { return erased_; }

    void select(int line) { selected_ = line; }
    // Shell sort; rows that tie stay in the order it leaves them in, and the same exam stays
    // selected.
    void sort(SortOrder order);
    // Erases the selected line (in memory) and selects the line above it, or the new first line.
    void eraseSelected();
    // The erasures were saved, or the user chose not to: none is pending.
    void clearErased() { erased_ = false; }
    // The records of the lines now on the card, whole, in list order.
    QList<QByteArray> keptRecords(const Edition& edition) const;
    // The exam records the card could not show, in file order.
    const QList<QByteArray>& unshownRecords() const { return unshown_; }

private:
    std::vector<ExamCardRow> rows_;
    QList<QByteArray> unshown_;
    int selected_ = -1;
    bool erased_ = false;
};

// What the printout shows.
struct PrintedExam {
    QString Line;    // the list line
    bool Custom = false;
    QString Topics;  // printed under a custom exam's line
};
struct CardPrintout {
    QString Caption;
    QList<PrintedExam> Exams;  // in list order
    QString Totals;
};
inline constexpr int CardPageLimit = 61;
// Prints copies of the card, each starting on a page of its own. Printer errors raise a
// RuntimeError and end the printing where it was.
void printCard(PrinterDevice& printer, const CardPrintout& printout, int copies);
