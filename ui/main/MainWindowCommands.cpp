// The main window's reactions to its controls, its buttons and its system
// menu.
#include "ui/main/MainWindow.h"

#include "print/ReportContent.h"
#include "print/windows/PrintReport.h"
#include "resources/ResourceIds.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/main/rules/InputUnitConversion.h"
#include "win32/Text1252.h"

#include <commctrl.h>
#include <optional>
#include <utility>

// Escape, the close box and the system menu's Close end the window through
// the dialog's Cancel; Enter does nothing (onOK).
bool MainWindow::onCommand(int controlId, UINT code, HWND) {
    static constexpr CommandRoute<MainWindow> COMMANDS[] = {
        {IDC_MAIN_REFRIGERANT, CBN_SELCHANGE, &MainWindow::onRefrigerantChanged},
        {IDC_MAIN_HEAT_LOAD, EN_CHANGE, &MainWindow::markPending},
        {IDC_MAIN_EVAP_TEMP, EN_CHANGE, &MainWindow::markPending},
        {IDC_MAIN_COND_TEMP, EN_CHANGE, &MainWindow::markPending},
        {IDC_MAIN_RETURN_GAS_TEMP, EN_CHANGE, &MainWindow::markPending},
        {IDC_MAIN_UNUSED_1007, EN_CHANGE, &MainWindow::markPending},
        // The ambient temperature takes no part in the calculation.
        {IDC_MAIN_AMBIENT_TEMP, EN_CHANGE, &MainWindow::onUnusedInputChanged},
        {IDC_MAIN_SETTINGS, BN_CLICKED, &MainWindow::onSettings},
        {IDC_MAIN_PRINT, BN_CLICKED, &MainWindow::onPrint},
        {IDC_MAIN_HELP, BN_CLICKED, &MainWindow::onHelp},
    };
    return routeCommand(*this, COMMANDS, controlId, code);
}

void MainWindow::onRefrigerantChanged() {
    const LRESULT selected = SendMessageW(refrigerantSelector_.hwnd(), CB_GETCURSEL, 0, 0);
    if (selected >= 0) {
        currentRefrigerant = static_cast<int>(selected);
    }
    markPending();
}

std::optional<LRESULT> MainWindow::onNotify(const NMHDR& header) {
    if (header.idFrom == IDC_MAIN_RESULTS && header.code == static_cast<UINT>(NM_CLICK)) {
        // The click selects the row; the recalculation at the next tick puts
        // the selection back on the optimal tube.
        markPending();
        return 0;
    }
    return std::nullopt;
}

bool MainWindow::onSysCommand(WPARAM wParam) {
    if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
        onAbout();
        return true;
    }
    return false;
}

void MainWindow::onTimer() {
    if (recalcPending) {
        Recalculate();
    }
    SetTimer(hwnd(), RECALCULATION_TIMER_ID, RECALCULATION_PERIOD_MS, nullptr); // restarts the period
}

void MainWindow::onSettings() {
    const UnitSettings before = units_;
    CSettingsDlg dialog(units_, store_);
    dialog.runModal(hwnd()); // owned by this window; its result tells nothing

    // Converted only when the unit itself changed: a stored 5 that the
    // dialog writes back as 1 is the same unit.
    const ConvertedInputs converted = convertEnteredInputs(enteredInputs(), before, units_);
    const std::pair<NumericEntryField*, std::optional<double>> writes[] = {
        {&heatLoadField_, converted.heatLoad},
        {&evapTempField_, converted.evapTemp},
        {&condTempField_, converted.condTemp},
        {&returnGasTempField_, converted.returnGasTemp},
        {&ambientTempField_, converted.ambientTemp},
    };
    for (const auto& [field, value] : writes) {
        if (value) {
            field->SetValue(*value, true);
        }
    }
    nameInputs();
    redrawNow(hwnd());
    Recalculate();
}

// The report, the help dialog and the About box are separate windows of
// their own; these handlers open them, owned by this window.
void MainWindow::onPrint() {
    // The fields' texts as typed, not reformatted.
    const ReportInputs inputs =
        reportInputsFor(*database_, currentRefrigerant, heatLoadField_.text(),
                        evapTempField_.text(), condTempField_.text(), returnGasTempField_.text());
    PrintReport(hwnd(), reportTitle(identity_.fileDescription, identity_.programVersion),
                narrow1252(applicationName_), reportLines(inputs, units_, result_));
}

void MainWindow::onHelp() {
    if (!database_) {
        return;
    }
    CHelpDlg dialog(*database_, applicationName_);
    dialog.runModal(hwnd());
}

void MainWindow::onAbout() {
    CAboutDlg dialog(identity_.productName, identity_.programVersion);
    dialog.runModal(hwnd());
}
