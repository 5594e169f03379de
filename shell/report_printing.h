// Printing a report: the printer dialog first, then the report in as many copies as it asks for.
#pragma once

#include <functional>

class AppState;
class PrinterDevice;

// Shows the printer dialog and, unless it is cancelled, calls print with the printer and the
// number of copies. Cancel and printer errors end the printing without a word; returns whether
// the report was printed.
bool printThroughDialog(AppState& state, const std::function<void(PrinterDevice& printer, int copies)>& print);

// The fixed-pitch reports' font: the printer font found at start-up, at 10 points.
void useReportFont(AppState& state);
