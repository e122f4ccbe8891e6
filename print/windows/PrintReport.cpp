#include "print/windows/PrintReport.h"

#include "print/windows/PrinterReportDevice.h"
#include "ui/framework/Unique.h"

namespace {

void FreeGlobal(HGLOBAL memory) {
    GlobalFree(memory);
}
using UniqueGlobal = Unique<HGLOBAL, FreeGlobal>;
using UniquePrinterDC = Unique<HDC, handle_close::memoryDC>; // DeleteDC

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
        return;
    }
    PrinterReportDevice device(printer.get());
    PrintReportDocument(device, title, documentName, lines);
}
