#include "shell/report_printing.h"

#include "platform/runtime_error.h"
#include "shell/app_state.h"

bool printThroughDialog(AppState& state, const std::function<void(PrinterDevice& printer, int copies)>& print)
{
    PrinterDialog& dialog = state.platform.printerDialog;
    try {
        if (!dialog.show(PrinterDialog::NoPrintToFile | PrinterDialog::NoSelection))
            return false;
        print(state.platform.printer, dialog.copies());
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}

void useReportFont(AppState& state)
{
    if (!state.PrinterFontName.isEmpty())
        state.platform.printer.setFont(state.PrinterFontName);
    state.platform.printer.setFontSize(10);
}
