#pragma once
// Printing the report: the platform's print dialog, then the report's lines
// on the chosen printer as one job named `documentName`. A cancelled dialog
// prints nothing and leaves no job; with no printer installed the dialog
// shows the platform's own notice and returns. Failures are not reported.
#include "print/ReportContent.h"

#include <string>
#include <vector>
#include <windows.h>

#include <commdlg.h>

void PrintReport(HWND owner, const std::string& title, const std::string& documentName,
                 const std::vector<ReportLine>& lines);

// The print dialog's options: a device context, no page numbers, copies
// through the device mode, no print-to-file, "Selection" preselected.
constexpr DWORD REPORT_PRINT_DIALOG_FLAGS =
    PD_RETURNDC | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE | PD_SELECTION;
