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
#include <cstring>

// Escape, the close box and the system menu's Close end the window through
// the dialog's Cancel; Enter does nothing (onOK).
bool MainWindow::onCommand(int controlId, UINT code, HWND) {
    static constexpr CommandRoute<MainWindow> kCommands[] = {
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
    return routeCommand(*this, kCommands, controlId, code);
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
    if (unitChanged(before.energyUnit, units_.energyUnit)) {
        const double heatLoad = heatLoadField_.GetValue();
        heatLoadField_.SetValue(convertHeatLoad(heatLoad, before.energyUnit, units_.energyUnit),
                                true);
    }
    if (unitChanged(before.temperatureUnit, units_.temperatureUnit)) {
        NumericEntryField* const fields[] = {&evapTempField_, &condTempField_, &returnGasTempField_,
                                             &ambientTempField_};
        double values[4] = {};
        for (int i = 0; i < 4; ++i) {
            values[i] = fields[i]->GetValue();
        }
        for (int i = 0; i < 4; ++i) {
            fields[i]->SetValue(
                convertTemperature(values[i], before.temperatureUnit, units_.temperatureUnit),
                true);
        }
    }
    nameInputs();
    redrawNow(hwnd());
    Recalculate();
}

// The report, the help dialog and the About box are separate windows of
// their own; these handlers open them, owned by this window.
void MainWindow::onPrint() {
    ReportInputs inputs;
    if (database_ && currentRefrigerant >= 0 && currentRefrigerant < database_->refrigerantCount &&
        currentRefrigerant < MAX_REFRIGERANTS) {
        const char* name = database_->refrigerants[currentRefrigerant].name;
        const void* end = std::memchr(name, '\0', MAX_REFRIGERANT_NAME + 1);
        const std::size_t length =
            end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - name)
                           : static_cast<std::size_t>(MAX_REFRIGERANT_NAME);
        inputs.refrigerantName.assign(name, length);
    }
    // The fields' texts as typed, not reformatted.
    inputs.heatLoadText = heatLoadField_.text();
    inputs.evapTempText = evapTempField_.text();
    inputs.condTempText = condTempField_.text();
    inputs.returnGasTempText = returnGasTempField_.text();
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
