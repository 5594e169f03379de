#include "exams/results_report.h"

#include "exams/exam_rules.h"
#include "platform/basic.h"
#include "platform/printer.h"
#include "shell/app_state.h"
#include "shell/shell_sort.h"

#include <algorithm>

using basic::rightAlign;

namespace {

constexpr int TitleColumn = 6;
constexpr int SummaryColumn = 3;
constexpr int PrintZoneWidth = 14;
constexpr int MostLinesBeforeSummary = 52;

QString summaryLine(const QString& caption, int count)
{
    return caption.leftJustified(14) + fourWide(count);
}

// A position in the printout: number, correct letter, answer. The key of an unanswered position
// is not disclosed.
QString printedColumn(const ExamState& exam, int i)
{
    const bool answered = exam.ExamAnswers[i] != 0;
    const QString correct = answered ? answerLetter(exam.ExamKey[i]) : basic::Space(1);
    const QString answer =
        answered ? answerLetter(exam.ExamAnswers[i]) + (exam.ExamUnsure[i] != 0 ? "?" : " ") : basic::Space(1);
    return fourWide(i) + basic::Space(7) + correct + basic::Space(10) + rightAlign(answer, 2);
}

// The first column of the print zone (zones start every 14 columns) after text printed at column.
int nextPrintZone(int column, const QString& text)
{
    const int used = column - 1 + int(text.size());
    return (used / PrintZoneWidth + 1) * PrintZoneWidth + 1;
}

// One printed row: position left beside position right (right beyond the exam: left alone).
QString printedResultRow(const ExamState& exam, int left, int right)
{
    QString row = basic::Space(2) + printedColumn(exam, left);
    if (right <= exam.ExamItemCount)
        row += basic::Space(7) + printedColumn(exam, right);
    return row;
}

void printHeader(PrinterDevice& printer, const ResultsPrintout& printout, bool firstPage)
{
    printer.setBold(true);
    if (firstPage) {
        // The user's name lines up under the title.
        printer.printLine(TitleColumn, printout.Title + " Results\r\n" + basic::Space(5) + printout.UserName);
        const QString date = basic::formatDateTime(printout.Now, "dddd, mmmm d, yyyy");
        printer.printAt(TitleColumn, date);
        printer.printLine(nextPrintZone(TitleColumn, date), basic::formatDateTime(printout.Now, "h:mm:ss AM/PM"));
    } else {
        printer.printLine(TitleColumn, printout.ContinuedTitle + "  (cont.)");
    }
    printer.endLine();
    const QString heading1 = basic::Space(10) + "Correct" + basic::Space(5) + "Your" + basic::Space(5);
    const QString heading2 = basic::Space(2) + "Item" + basic::Space(4) + "Answer" + basic::Space(6) + "Answer" + basic::Space(3);
    printer.printLine(1, heading1 + heading1);
    printer.printLine(1, heading2 + heading2);
    printer.setBold(false);
    printer.endLine();
}

void printCopy(PrinterDevice& printer, const ExamState& exam, const ResultsPrintout& printout)
{
    const int n = exam.ExamItemCount;
    int offset = 0, lineCount = 0, page = 1;
    printHeader(printer, printout, true);
    for (int k = 1; k <= (n + 1) / 2; ++k) {
        const int left = k + offset;
        printer.printLine(1, printedResultRow(exam, left, left + resultRowsOnPage(n, page)));
        if (++lineCount == ResultLinesPerPage) {
            offset += ResultLinesPerPage;
            lineCount = 0;
            ++page;
            printer.newPage();
            printHeader(printer, printout, false);
        }
    }
    const auto first = exam.ExamAnswers.begin() + 1;
    if (std::find(first, first + n, 0) != first + n) {
        printer.printLine(1, QString(30, QLatin1Char('-')));
        printer.printLine(1, "Note: Correct answer supplied only if question answered.");
        lineCount += 2;
    }
    if (lineCount > MostLinesBeforeSummary)
        printer.newPage();
    printer.endLine();
    printer.setBold(true);
    printer.printLine(TitleColumn, printout.SummaryCaption);
    printer.setBold(false);
    for (const QString& line : printout.Summary)
        printer.printLine(SummaryColumn, line);
    printer.newPage();
}

}  // namespace

QString resultListEntry(int position, int key, int answer, int unsure)
{
    QString entry = rightAlign(QString::number(position), 3) + basic::Space(3) + answerLetter(key) + basic::Space(4);
    if (answer != 0)
        entry += answerLetter(answer) + (unsure != 0 ? "?" : "");
    return entry;
}

ResultTally tallyResults(const ExamState& exam)
{
    ResultTally tally;
    for (int i = 1; i <= exam.ExamItemCount; ++i) {
        if (exam.ExamAnswers[i] == 0) {
            ++tally.Wrong;
            continue;
        }
        ++tally.Answered;
        if (exam.ExamUnsure[i] != 0)
            ++tally.Unsure;
        if (exam.ExamAnswers[i] != exam.ExamKey[i])
            ++tally.Wrong;
    }
    return tally;
}

QStringList scoringSummary(const ResultTally& tally, int itemCount, double elapsedDays)
{
    const int right = itemCount - tally.Wrong;
    return {summaryLine("Answered", tally.Answered),
            summaryLine("Not Answered", itemCount - tally.Answered),
            summaryLine("   Total", itemCount),
            summaryLine("Correct", right) + basic::Space(3) + basic::formatNumber(double(right) / itemCount, "0.0%"),
            summaryLine("Unsure", tally.Unsure) + basic::Space(3)
                + basic::formatNumber(double(tally.Unsure) / itemCount, "0.0%"),
            QString("Time Used").leftJustified(14) + basic::formatDateTime(elapsedDays, "h:mm:ss")};
}

QStringList examSummary(const ExamState& exam)
{
    return scoringSummary(tallyResults(exam), exam.ExamItemCount, exam.ExamElapsed);
}

QString doneReminder(float score, const QString& crLf)
{
    const QString note = score < 0.3f ? "Note: You scored less than 30% correct. Therefore, the results of this test "
                                        "have not been added to your report card."
                                      : "Note: You can review the results of this test later using the report card.";
    return note + crLf + "Press O.K. to stop viewing scoring results or Cancel to keep working.";
}

int resultRowsOnPage(int itemCount, int page)
{
    const int rows = (itemCount + 1) / 2;
    return std::clamp(rows - ResultLinesPerPage * (page - 1), 0, ResultLinesPerPage);
}

void printResults(PrinterDevice& printer, const ExamState& exam, const ResultsPrintout& printout, int copies)
{
    for (int copy = 1; copy <= copies; ++copy)
        printCopy(printer, exam, printout);
    printer.endDocument();
}

void sortByQuestionOrder(ExamState& exam)
{
    shellSort(
        1, exam.ExamItemCount, [&exam](int i, int j) { return exam.ExamItems[j] < exam.ExamItems[i]; },
        [&exam](int i, int j) {
            for (std::vector<int>* column : {&exam.ExamItems, &exam.ExamKey, &exam.ExamAnswers, &exam.ExamUnsure})
                std::swap((*column)[i], (*column)[j]);
        });
}
