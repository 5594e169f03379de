#include "review/progress_rows.h"

#include "editions/edition.h"
#include "platform/basic.h"
#include "platform/cp1252.h"
#include "platform/printer.h"
#include "platform/twips.h"
#include "shell/config_file.h"

#include <cmath>

namespace {
constexpr int LoadedRowTwips = 300;
constexpr int LongestWholeTitle = 49;
constexpr int CutTitleLength = 46;

const QChar RuleCharacter(0x2014);  // the long dash, 151 in the printer's code page

int roundedPart(double fraction, int whole) { return int(basic::roundHalfEven(fraction * whole)); }

QString percent(float score) { return basic::formatNumber(score, "##0.0%"); }

void printRule(PrinterDevice& printer, int column, int length)
{
    printer.printLine(column, QString(length, RuleCharacter));
}

void printHeadings(PrinterDevice& printer)
{
    printer.printAt(45, "Initial Date");
    printer.printAt(58, "First Drill");
    printer.printAt(71, "Full");
    printer.printAt(80, "Highest");
    printer.printLine(94, "Date of");
    printer.printAt(6, " Topic Title");
    printer.printAt(42, " of Topic Test");
    printer.printAt(61, "Score");
    printer.printAt(70, "Takes");
    printer.printAt(81, "Score");
    printer.printLine(91, "Highest Score");
}

void printRow(PrinterDevice& printer, const QStringList& cells)
{
    static constexpr std::array<int, 6> columns = {6, 45, 61, 72, 81, 93};
    for (int c = 0; c < int(columns.size()); ++c)
        printer.printAt(columns[c], cells.value(c));
    printer.endLine();
}

// A thin rule between two rows, in small plain type.
void printThinRule(PrinterDevice& printer)
{
    printer.setFontSize(6);
    printer.setBold(false);
    printRule(printer, 11, 88);
    printer.setFontSize(11);
    printer.setBold(true);
}

void printPage(PrinterDevice& printer, const SpreadsheetPrintout& printout)
{
    printer.endLine();
    printer.printLine(6, printout.UserName);
    printer.printLine(6, printout.Today);
    printRule(printer, 6, 48);
    printHeadings(printer);
    printRule(printer, 6, 48);
    for (qsizetype r = 0; r < printout.Rows.size(); ++r) {
        printRow(printer, printout.Rows[r]);
        if (r + 1 < printout.Rows.size())
            printThinRule(printer);
    }
    printRule(printer, 6, 48);
    printer.newPage();
}
}  // namespace

std::vector<SlotTally> tallyScoreLog(const ConfigRecord& record, const Edition& edition)
{
    const int slotCount = edition.TrackedSlotCount();
    std::vector<SlotTally> tallies(size_t(slotCount) + 1);
    for (int k = 1; k <= edition.ScoreLogSize; ++k) {
        const QByteArray& date = record.ScoreLogDates[k];
        if (date.isEmpty() || date[0] == '\0')
            break;
        const int kind = record.ScoreLogKinds[k];
        const float score = record.ScoreLogScores[k];
        if (kind < 1 || kind > slotCount || !std::isfinite(score))
            continue;
        SlotTally& tally = tallies[kind];
        if (tally.Takes == 0) {
            tally.FirstDate = cp1252::toUnicode(date);
            tally.FirstScore = tally.HighestScore = score;
        }
        ++tally.Takes;
        if (score >= tally.HighestScore) {
            tally.HighestScore = score;
            tally.HighestDate = cp1252::toUnicode(date);
        }
    }
    return tallies;
}

QString shortTitle(const QString& title)
{
    return title.size() <= LongestWholeTitle ? title : title.left(CutTitleLength) + "...";
}

QString slotTitle(const Edition& edition, int r)
{
    return r <= edition.TopicCount ? edition.TopicTitles.value(r) : edition.ExamTitles.value(r - edition.TopicCount);
}

QStringList rowCells(const QString& title, const SlotTally& tally)
{
    const bool taken = tally.Takes != 0;
    return {shortTitle(title),
            tally.FirstDate,
            taken ? percent(tally.FirstScore) : QString(),
            " " + QString::number(tally.Takes),
            taken ? percent(tally.HighestScore) : QString(),
            tally.HighestDate};
}

QList<QStringList> spreadsheetRows(const ConfigRecord& record, const Edition& edition)
{
    const std::vector<SlotTally> tallies = tallyScoreLog(record, edition);
    QList<QStringList> rows;
    for (int r = 1; r <= edition.TrackedSlotCount(); ++r)
        rows << rowCells(slotTitle(edition, r), tallies[r]);
    return rows;
}

GridSizes loadedGridSizes(int width)
{
    GridSizes sizes;
    sizes.rowHeight = int(LoadedRowTwips / TwipsPerPixel);
    sizes.columnWidths[0] = roundedPart(0.43, width);
    for (int c = 1; c < int(sizes.columnWidths.size()); ++c)
        sizes.columnWidths[c] = roundedPart(0.11, width);
    return sizes;
}

GridSizes resizedGridSizes(QSize grid, int rowCount)
{
    GridSizes sizes;
    sizes.rowHeight = int(basic::roundHalfEven(double(grid.height()) / (rowCount + 2)));
    sizes.headingHeight = 2 * sizes.rowHeight;
    const std::array<double, 6> parts = {0.43, 0.13, 0.10, 0.10, 0.10, 0.13};
    for (int c = 0; c < int(parts.size()); ++c)
        sizes.columnWidths[c] = roundedPart(parts[c], grid.width());
    return sizes;
}

void printSpreadsheet(PrinterDevice& printer, const SpreadsheetPrintout& printout, int copies)
{
    printer.setFont("Arial");
    printer.setFontSize(11);
    printer.setBold(true);
    for (int copy = 1; copy <= copies; ++copy)
        printPage(printer, printout);
    printer.endDocument();
}
