// The texts of the exam results window that need no widget: the list entries, the scoring
// summary, Done's reminder, and the two-column printout with its page table.
#pragma once

#include <QString>
#include <QStringList>

struct ExamState;
class PrinterDevice;

// Position, correct letter, and the letter given with "?" when marked unsure (nothing when
// unanswered): "  7   B    C?".
QString resultListEntry(int position, int key, int answer, int unsure);

struct ResultTally {
    int Answered = 0;
    int Unsure = 0;  // answered and marked unsure
    int Wrong = 0;   // unanswered positions count as wrong
};
// Counts the exam in memory against its ExamKey.
ResultTally tallyResults(const ExamState& exam);

// The six summary lines: answered, not answered, total, correct, unsure, time used.
QStringList scoringSummary(const ResultTally& tally, int itemCount, double elapsedDays);
// The summary of the exam in memory, under its caption, as the window and its printout show it.
inline const QString ScoringSummaryCaption = "Scoring Summary";
QStringList examSummary(const ExamState& exam);

// The reminder shown by Done, with the note that fits the score.
QString doneReminder(float score, const QString& crLf);

inline constexpr int ResultLinesPerPage = 55;

// Rows of the two-column printout on page (1-based) of an exam with itemCount positions.
int resultRowsOnPage(int itemCount, int page);

// What the printout shows besides the exam itself.
struct ResultsPrintout {
    QString Title;           // the first page of each copy: Title & " Results"
    QString ContinuedTitle;  // later pages: ContinuedTitle & "  (cont.)"
    QString UserName;
    double Now = 0;          // date-time serial of the printing
    QString SummaryCaption;
    QStringList Summary;
};

// Prints copies of the results, each starting on a page of its own. Printer errors raise a
// RuntimeError and end the printing where it was.
void printResults(PrinterDevice& printer, const ExamState& exam, const ResultsPrintout& printout, int copies);

// Puts the positions back into question order (ascending item numbers) by a Shell sort; each
// position's item, key, answer and unsure mark move together.
void sortByQuestionOrder(ExamState& exam);
