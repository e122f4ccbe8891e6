// The Print button: the print dialog, cancelling it, and (with the PDF
// printer of tests/print/print-to-pdf.sh) a real print whose expected text
// the test writes for the script to compare with the PDF.
#include <gtest/gtest.h>

#include "print/ReportContent.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "units/Units.h"
#include "win32/Text1252.h"

#include <cstdio>
#include <winspool.h>

using namespace gui;

namespace {

const std::wstring kApplication = L"gui_tests";

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

// Jobs waiting in the default printer's queue; 0 when there is no printer.
int QueuedJobs() {
    wchar_t name[256] = {};
    DWORD size = 256;
    if (!GetDefaultPrinterW(name, &size)) {
        return 0;
    }
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name, &printer, nullptr)) {
        return 0;
    }
    DWORD needed = 0;
    DWORD count = 0;
    EnumJobsW(printer, 0, 100, 1, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed > 0 ? needed : 1);
    if (!EnumJobsW(printer, 0, 100, 1, buffer.data(), needed, &needed, &count)) {
        count = 0;
    }
    ClosePrinter(printer);
    return static_cast<int>(count);
}

// A dialog of this thread other than the main window: the print dialog, or
// the platform's notice when no printer is installed.
HWND OtherDialog(HWND mainWindow) {
    for (HWND dialog : ThreadDialogs()) {
        if (dialog != mainWindow) {
            return dialog;
        }
    }
    return nullptr;
}

// The report as the window shows it, one printed line per text line, the
// second column after a tab; read from the window's fields, selector and
// result list, not from the report code.
std::string ExpectedReport(const MainWindow& window) {
    std::string text =
        window.identity().fileDescription + " v" + window.identity().programVersion + "\n";
    auto line = [&text](const std::string& first, const std::string& second = std::string()) {
        text += first;
        if (!second.empty()) {
            text += "\t" + second;
        }
        text += "\n";
    };
    HWND selector = Item(window, IDC_MAIN_REFRIGERANT);
    const LRESULT selected = SendMessageW(selector, CB_GETCURSEL, 0, 0);
    wchar_t name[64] = {};
    SendMessageW(selector, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(name));
    const UnitSettings& units = window.units();
    line("Input Data:");
    line("Refrigerant", narrow1252(name));
    line("Heat load of the system",
         FieldText(window, IDC_MAIN_HEAT_LOAD) + " " + UnitLabel(units, UNIT_ENERGY));
    line("Evaporating temperature",
         FieldText(window, IDC_MAIN_EVAP_TEMP) + " " + UnitLabel(units, UNIT_TEMPERATURE));
    line("Condensing temperature",
         FieldText(window, IDC_MAIN_COND_TEMP) + " " + UnitLabel(units, UNIT_TEMPERATURE));
    line("Return gas temperature",
         FieldText(window, IDC_MAIN_RETURN_GAS_TEMP) + " " + UnitLabel(units, UNIT_TEMPERATURE));
    line("Capillary Tube Recommendation:");
    line("Flow Rate", reportFlowText(units, window.result().flowRate));
    line("Length", "Diameter");
    HWND list = Item(window, IDC_MAIN_RESULTS);
    const auto rows = ListRows(list);
    for (const auto& row : rows) {
        line(row.first, row.second);
    }
    line("Optimal Selection:");
    const int optimal = SelectedRow(list);
    if (optimal >= 0 && optimal < static_cast<int>(rows.size())) {
        line("A " + rows[optimal].first + " length of " + rows[optimal].second +
             " diameter tubing.");
    }
    return text;
}

} // namespace

// Runs in every GUI run: with no printer the platform's notice comes up and
// is confirmed; with a printer the print dialog is cancelled. Either way no
// job is left and the window is usable again.
TEST(PrintButton, CancelledOrWithoutPrinterLeavesNoJob) {
    ResetSettingsStore();
    MemorySettingsStore store;
    MainWindow window(store, TestIdentity(), kApplication);
    const int jobsBefore = QueuedJobs();
    HWND other = nullptr;
    Script script;
    WaitShown(script, window)
        .then([&] { PostClick(window.hwnd(), IDC_MAIN_PRINT); })
        .waitUntil(
            [&] {
                other = OtherDialog(window.hwnd());
                return other != nullptr;
            },
            "the print dialog or the no-printer notice")
        .then([&] {
            EXPECT_FALSE(IsWindowEnabled(window.hwnd()));
            // A message box has its text in control 0xFFFF; the print dialog
            // has none.
            if (GetDlgItem(other, 0xFFFF) != nullptr) {
                std::printf("No printer; the notice says: %s\n", MessageBoxText(other).c_str());
                PressMessageBoxButton(other, IDOK);
            } else {
                std::printf("The print dialog \"%s\" is cancelled\n", WindowText(other).c_str());
                PostClick(other, IDCANCEL);
            }
        })
        .waitUntil([&] { return OtherDialog(window.hwnd()) == nullptr; }, "the dialog to close")
        .waitUntil([&] { return IsWindowEnabled(window.hwnd()) != FALSE; },
                   "the main window to be usable")
        .then([&] {
            EXPECT_EQ(QueuedJobs(), jobsBefore);
            Close(window.hwnd());
        });
    runScripted(window, script, 30000);
}

// Needs the PDF printer: tests/print/print-to-pdf.sh sets
// OLVANE_EXPECTED_REPORT and CUPS_SERVER and checks the PDF afterwards.
TEST(PrintToPdf, PrintButtonPrintsTheReport) {
    const std::wstring expectedFile = Environment(L"OLVANE_EXPECTED_REPORT");
    if (expectedFile.empty()) {
        GTEST_SKIP() << "runs from tests/print/print-to-pdf.sh";
    }
    ResetSettingsStore();
    MemorySettingsStore store;
    MainWindow window(store, TestIdentity(), kApplication);
    HWND printDialog = nullptr;
    Script script;
    WaitShown(script, window)
        .then([&] {
            ASSERT_TRUE(hasRecommendation(window.result()));
            PostClick(window.hwnd(), IDC_MAIN_PRINT);
        })
        .waitForDialog(L"Print", printDialog)
        .then([&] {
            CaptureScreenIfAsked("print_dialog");
            PostClick(printDialog, IDOK);
        })
        .waitUntil([&] { return OtherDialog(window.hwnd()) == nullptr; },
                   "the print dialog to close")
        .waitUntil([&] { return IsWindowEnabled(window.hwnd()) != FALSE; }, "the print to finish")
        .then([&] {
            const std::string expected = ExpectedReport(window);
            FILE* file = _wfopen(expectedFile.c_str(), L"wb");
            ASSERT_NE(file, nullptr);
            std::fwrite(expected.data(), 1, expected.size(), file);
            std::fclose(file);
            Close(window.hwnd());
        });
    runScripted(window, script, 60000);
}
