#include "print/windows/PrintReport.h"

#include "print/windows/PrinterReportDevice.h"
#include "win32/DebugTrace.h"
#include "win32/Unique.h"

#include <string>

namespace {

using UniqueGlobal = Unique<HGLOBAL, &GlobalFree>;
using UniquePrinterDC = Unique<HDC, &DeleteDC>;

} // namespace

void PrintReport(HWND owner, const std::string& title, const std::string& documentName,
                 const std::vector<ReportLine>& lines) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = REPORT_PRINT_DIALOG_FLAGS;
    dialog.nCopies = 1;
    const BOOL chosen = PrintDlgW(&dialog);
    // The dialog may hand back its device mode and names even when it was
    // cancelled; they are ours to free either way.
    UniqueGlobal devMode(dialog.hDevMode);
    UniqueGlobal devNames(dialog.hDevNames);
    UniquePrinterDC printer(dialog.hDC);
    if (!chosen || !printer) {
        const DWORD error = CommDlgExtendedError();
        if (error != 0) { // 0: the user cancelled
            traceLine("printing: the print dialog failed, error " + std::to_string(error));
        }
        return;
    }
    PrinterReportDevice device(printer.get());
    printReportDocument(device, title, documentName, lines);
}
