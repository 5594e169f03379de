#include "review/progress_sheet.h"

#include "platform/basic.h"
#include "platform/cp1252.h"
#include "platform/printer.h"
#include "review/progress_rows.h"
#include "shell/app_state.h"
#include "shell/help_window.h"
#include "shell/report_printing.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
constexpr int NavigatorSlot = 7;
constexpr int NavigatorHelpPage = 14;
constexpr int GridColumns = 6;

// The room a heading line needs in its column.
int room(const QFontMetrics& metrics, const char* text)
{
    return metrics.horizontalAdvance(QString::fromLatin1(text)) + 2 * metrics.averageCharWidth();
}

// The narrowest grid whose resized columns (0.10 and 0.13 of its width) still show their
// headings whole.
int narrowestGrid(const QFontMetrics& metrics)
{
    return int(std::ceil(std::max(room(metrics, "Highest Score") / 0.13, room(metrics, "First Drill") / 0.10)));
}

// The same for the columns as loaded (0.11 of the width): the grid's width as it opens, where
// the screen has room for it.
int openingGrid(const QFontMetrics& metrics) { return int(std::ceil(room(metrics, "Highest Score") / 0.11)); }

// The lowest grid whose resized rows still hold a line of text.
int lowestGrid(const QFontMetrics& metrics, const Edition& edition)
{
    return (edition.TrackedSlotCount() + 3) * (metrics.height() + 4);
}
}  // namespace

Navigator::Navigator(AppState& appState) : Form(appState, "Navigator", NavigatorSlot)
{
    setWindowTitle("Monitor Spreadsheet");

    // The grid: the headings in its fixed top row, the titles in its fixed left column, the
    // cells read-only. Rows and columns take the sizes the rules give them, however small.
    Grid1 = new QTableWidget(0, GridColumns);
    Grid1->setObjectName("Grid1");
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->verticalHeader()->hide();
    for (QHeaderView* header : {Grid1->horizontalHeader(), Grid1->verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    for (int c = 0; c < GridColumns; ++c) {
        auto* heading = new QTableWidgetItem(GridHeadings[c]);
        heading->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        Grid1->setHorizontalHeaderItem(c, heading);
    }
    Grid1->horizontalHeader()->setHighlightSections(false);
    Grid1->installEventFilter(this);
    Grid1->setMinimumSize(narrowestGrid(Grid1->fontMetrics()), lowestGrid(Grid1->fontMetrics(), state.edition));

    // The user's name and today's date.
    Label1[0] = new QLabel;
    Label1[0]->setObjectName("Label1(0)");
    Label1[0]->setTextFormat(Qt::PlainText);

    // The command buttons.
    const std::array<const char*, 3> captions = {"&Print", "&Help", "&Done"};
    for (int i = 0; i < int(Command1.size()); ++i) {
        Command1[i] = new QPushButton(captions[i]);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { command1Click(i); });
    }

    // Layout: the name and date above the grid, the buttons below it.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : Command1)
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1[0]);
    layout->addWidget(Grid1, 1);
    layout->addLayout(buttons);
    const QMargins margins = layout->contentsMargins();
    resize(openingGrid(Grid1->fontMetrics()) + margins.left() + margins.right(), 480);
}

void Navigator::formLoad()
{
    restorePosition();
    const double now = state.platform.clock.serialNow();
    Label1[0]->setText(cp1252::toUnicode(state.settings.UserName) + "\n"
                       + basic::formatDateTime(now, "dddd, mmmm d, yyyy"));
    rows = spreadsheetRows(state.config().readRecord1(), state.edition);
    fillGrid();
    layout()->activate();  // the grid's width as it opens
    applySizes(loadedGridSizes(Grid1->contentsRect().width()));
    Command1[PrintButton]->setEnabled(!state.PrinterFailed);
    Grid1->setCurrentCell(0, 1);
}

void Navigator::formUnload() { storePosition(true); }

void Navigator::fillGrid()
{
    Grid1->setRowCount(int(rows.size()));
    const QBrush fixedCell = palette().button();
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < GridColumns; ++c) {
            auto* cell = new QTableWidgetItem(rows[r].value(c));
            if (c == 0) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(fixedCell);
            } else {
                cell->setTextAlignment(Qt::AlignCenter);
            }
            Grid1->setItem(r, c, cell);
        }
    }
}

void Navigator::applySizes(const GridSizes& sizes)
{
    if (sizes.headingHeight > 0)
        Grid1->horizontalHeader()->setFixedHeight(sizes.headingHeight);
    for (int r = 0; r < Grid1->rowCount(); ++r)
        Grid1->setRowHeight(r, sizes.rowHeight);
    for (int c = 0; c < GridColumns; ++c)
        Grid1->setColumnWidth(c, sizes.columnWidths[c]);
}

// Every new size of the grid re-lays its rows and columns; grid is the size inside its frame.
void Navigator::resizeReport(QSize grid) { applySizes(resizedGridSizes(grid, Grid1->rowCount() + 1)); }

// The grid's first size, as the window opens, is the one it was loaded with; every later one
// is reported.
bool Navigator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid1 && event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        const int frame = Grid1->frameWidth();
        if (resize->oldSize().isValid())
            resizeReport(resize->size().shrunkBy(QMargins(frame, frame, frame, frame)));
    }
    return Form::eventFilter(watched, event);
}

void Navigator::command1Click(int index)
{
    switch (index) {
    case PrintButton: print(); break;
    case HelpButton: showHelp(state, NavigatorHelpPage, Forms::Modal, true); break;
    case DoneButton: state.forms.unload("Navigator"); break;
    }
}

void Navigator::print()
{
    const bool printed = printThroughDialog(state, [this](PrinterDevice& printer, int copies) {
        const SpreadsheetPrintout printout{
            cp1252::toUnicode(state.settings.UserName),
            basic::formatDateTime(state.platform.clock.serialNow(), "dddd, mmmm d, yyyy"), rows};
        printSpreadsheet(printer, printout, copies);
    });
    if (printed)
        Command1[DoneButton]->setFocus();
}
