// The progress spreadsheet without its window: each tracked slot's tallies from the score log,
// the cells of its row, the grid's row heights and column widths, and the printout.
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

struct ConfigRecord;
struct Edition;
class PrinterDevice;

// What the score log holds about one tracked slot.
struct SlotTally {
    QString FirstDate;
    float FirstScore = 0;
    qint64 Takes = 0;
    float HighestScore = 0;
    QString HighestDate;  // of the latest entry with the highest score
};

// The tallies of slots 1..TrackedSlotCount (element 0 unused). The scan stops at the first free
// entry; an entry that names no tracked slot or holds no number as its score is skipped.
std::vector<SlotTally> tallyScoreLog(const ConfigRecord& record, const Edition& edition);

// Titles of 50 characters or more are cut to their first 46 and "...".
QString shortTitle(const QString& title);
// The title of grid row r (slot r): the topics, then the prepared exams and the custom exam.
QString slotTitle(const Edition& edition, int r);

// The six cells of a row, as the grid shows them and the printout prints them.
QStringList rowCells(const QString& title, const SlotTally& tally);
// The rows 1..TrackedSlotCount of the grid, each as its six cells.
QList<QStringList> spreadsheetRows(const ConfigRecord& record, const Edition& edition);

// The column headings, each of two lines.
inline const QStringList GridHeadings = {"\nTopic Title",  "Initial Date\nof Test/Exam", "First Drill\nScore",
                                         "Full\nTakes",    "Highest\nScore",             "Date of\nHighest Score"};

// Row heights and column widths in pixels; a heading height of 0 leaves the heading row as it is.
struct GridSizes {
    int headingHeight = 0;
    int rowHeight = 0;
    std::array<int, 6> columnWidths{};
};
// As the grid is loaded: rows of 300 twips, the title column 0.43 of the width, the others 0.11.
GridSizes loadedGridSizes(int width);
// After every resize, for a grid of rowCount rows (heading row included): the rows fill all but
// two row heights of the grid, the heading row twice as high as the others; columns 0.43, 0.13,
// 0.10, 0.10, 0.10 and 0.13 of the width.
GridSizes resizedGridSizes(QSize grid, int rowCount);

struct SpreadsheetPrintout {
    QString UserName;
    QString Today;            // "dddd, mmmm d, yyyy"
    QList<QStringList> Rows;  // the grid's rows
};
// Prints copies of the table, one page each, and ends the job. Printer errors raise a
// RuntimeError and end the printing where it was.
void printSpreadsheet(PrinterDevice& printer, const SpreadsheetPrintout& printout, int copies);
