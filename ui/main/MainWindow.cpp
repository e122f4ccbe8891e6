#include "ui/main/MainWindow.h"

#include "database/DataFileReader.h"
#include "resources/ResourceIds.h"
#include "selection/DatabaseUsability.h"
#include "settings/StoredInputs.h"
#include "settings/UnitSettingsStore.h"
#include "settings/WindowPlacement.h"
#include "ui/controls/LookFont.h"
#include "ui/controls/rules/HyperlinkText.h"
#include "ui/dialogs/SystemPalette.h"
#include "ui/main/MainWindowPainter.h"
#include "win32/DebugTrace.h"
#include "win32/Drawing.h"
#include "win32/Text1252.h"
#include "win32/WindowDpi.h"

#include <commctrl.h>
#include <cstdio>
#include <windowsx.h>

namespace {

constexpr int WHOLE_DIGITS = 9;
constexpr int DECIMAL_PLACES = 3;

} // namespace

MainWindow::MainWindow(SettingsStore& store, const AppIdentity& identity,
                       std::wstring applicationName)
    : Dialog(IDD_MAIN), store_(store), identity_(identity),
      applicationName_(std::move(applicationName)),
      database_(std::make_unique<RefrigerantDatabase>()),
      heatLoadField_(WHOLE_DIGITS, DECIMAL_PLACES), evapTempField_(WHOLE_DIGITS, DECIMAL_PLACES),
      condTempField_(WHOLE_DIGITS, DECIMAL_PLACES),
      returnGasTempField_(WHOLE_DIGITS, DECIMAL_PLACES),
      ambientTempField_(WHOLE_DIGITS, DECIMAL_PLACES),
      unusedField1000_(WHOLE_DIGITS, DECIMAL_PLACES),
      unusedField1007_(WHOLE_DIGITS, DECIMAL_PLACES) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon_ = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON));
    smallIcon_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), 0)));
}

MainWindow::~MainWindow() = default;

std::optional<LRESULT> MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        return onSysCommand(wParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_TIMER:
        onTimer();
        return std::nullopt; // then the default processing
    case WM_PAINT:
        return PaintMainWindow(wParam);
    case WM_PRINTCLIENT:
    case WM_ERASEBKGND: // nothing is erased: the paint covers the whole client area
        return handlePaintMessage(hwnd(), message, wParam);
    case WM_HELP: // F1, wherever the focus is in this window
        // While a dialog of this window runs, the window is disabled: F1
        // there opens no second dialog on top.
        if (IsWindowEnabled(hwnd())) {
            onHelp();
        }
        return TRUE;
    case WM_SETTINGCHANGE: // high contrast turned on or off
    case WM_SYSCOLORCHANGE: // the system colours the high-contrast palette uses
        onSystemColoursChanged();
        return std::nullopt;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(applicationIcon());
    case WM_SIZE:
        onSize(wParam, LOWORD(lParam), HIWORD(lParam));
        return std::nullopt;
    case WM_MOVE:
        onMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return std::nullopt;
    case WM_SIZING:
        onSizing(*reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_DPICHANGED: // moved to a monitor of another DPI, or the DPI changed
        onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        endDialog(IDCANCEL);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool MainWindow::onInitDialog() {
    bindControl(refrigerantSelector_, IDC_MAIN_REFRIGERANT);
    bindControl(heatLoadField_, IDC_MAIN_HEAT_LOAD);
    bindControl(evapTempField_, IDC_MAIN_EVAP_TEMP);
    bindControl(condTempField_, IDC_MAIN_COND_TEMP);
    bindControl(returnGasTempField_, IDC_MAIN_RETURN_GAS_TEMP);
    bindControl(ambientTempField_, IDC_MAIN_AMBIENT_TEMP);
    bindControl(unusedField1000_, IDC_MAIN_UNUSED_1000);
    bindControl(unusedField1007_, IDC_MAIN_UNUSED_1007);
    bindControl(resultsList_, IDC_MAIN_RESULTS);
    bindControl(settingsButton_, IDC_MAIN_SETTINGS);
    bindControl(printButton_, IDC_MAIN_PRINT);
    bindControl(helpButton_, IDC_MAIN_HELP);
    bindControl(homepageLink_, IDC_MAIN_HOMEPAGE);
    // The dialog manager made the template's font for the DPI the window was
    // created at; the window scales itself from there (MainWindowLayout.cpp).
    dialogFontDpi_ = windowDpi(hwnd());
    dpi_ = dialogFontDpi_;
    scaleDialogItself(hwnd());

    if (!loadDatabase()) {
        MessageBoxW(hwnd(), L"Could not read Olvane.tbx", applicationName_.c_str(),
                    MB_OK | MB_ICONERROR);
        SendMessageW(hwnd(), WM_CLOSE, 0, 0); // ends the modal run before it shows anything
        return true;
    }
    addAboutCommand();
    SetWindowTextW(hwnd(), widen1252(identity_.fileDescription).c_str());
    // The homepage link: "Homepage: " and the maker's address, on white.
    SetWindowTextW(homepageLink_.hwnd(),
                   widen1252(std::string("Homepage: ") + MAKER_WEB_ADDRESS).c_str());
    homepageLink_.SetTarget(MAKER_WEB_ADDRESS);
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon_ ? smallIcon_.get() : icon_));
    units_ = readUnitSettings(store_);
    restorePlacement();
    InitialiseControls();
    isInitialised = true;
    SetTimer(hwnd(), RECALCULATION_TIMER_ID, RECALCULATION_PERIOD_MS, nullptr);
    return true;
}

bool MainWindow::loadDatabase() {
    RefrigerantDatabase& db = *database_;
    std::snprintf(db.databaseVersion, sizeof db.databaseVersion, "%s",
                  identity_.databaseVersion.c_str());
    auto text = std::make_unique<DataFileText>();
    ReadDataFile("Olvane.tbx", *text);
    // No text, a failed parse and a database that cannot serve the selection
    // (no refrigerant, a diameter list shorter than the nine shown rows) are
    // all refused the same way; the reason is left for a debugger.
    LoadFailure why;
    if (!loadUsableDatabase(*text, db, &why)) {
        traceLine("Olvane.tbx refused: " + describeLoadFailure(why));
        return false;
    }
    identity_.databaseVersion = db.databaseVersion;
    return true;
}

void MainWindow::addAboutCommand() {
    wchar_t caption[64] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, caption, 64) <= 0) {
        return;
    }
    HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
    if (systemMenu != nullptr) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, caption);
    }
}

// The stored size is at 96 DPI: the window opens at that size scaled to the
// DPI of the monitor that holds the stored top-left corner, fitted to that
// monitor's work area.
void MainWindow::restorePlacement() {
    const WindowPlacement stored = readPlacement(store_);
    const POINT corner{stored.left, stored.top};
    const int dpi = monitorDpiAt(corner);
    const RECT work = monitorWorkAreaAt(corner);
    const WindowPlacement placement = fitStoredPlacement(
        placementAtDpi(stored, dpi),
        {work.left, work.top, work.right - work.left, work.bottom - work.top}, dpi);
    SetWindowPos(hwnd(), HWND_TOP, placement.left, placement.top, placement.width, placement.height,
                 SWP_SHOWWINDOW);
    dpi_ = windowDpi(hwnd());
}

void MainWindow::InitialiseControls() {
    HWND selector = refrigerantSelector_.hwnd();
    for (int i = 0; i < database_->refrigerantCount; ++i) {
        SendMessageW(selector, CB_INSERTSTRING, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(widen1252(database_->refrigerants[i].name).c_str()));
    }
    currentRefrigerant = readRefrigerant(store_, database_->refrigerantCount);
    SendMessageW(selector, CB_SETCURSEL, static_cast<WPARAM>(currentRefrigerant), 0);
    applyScale();

    const SelectionInputs stored = readEnteredValues(store_);
    heatLoadField_.SetValue(stored.heatLoad, true);
    evapTempField_.SetValue(stored.evapTemp, true);
    condTempField_.SetValue(stored.condTemp, true);
    returnGasTempField_.SetValue(stored.returnGasTemp, true);
    ambientTempField_.SetValue(stored.ambientTemp, true);
    resultsList_.setUpScrollBars();
    nameInputs();
    LayoutControls();
    setUpResultsList();
    // The button faces are made at the buttons' laid-out size.
    palette_ = systemPalette();
    applyPalette();
    Recalculate();
    struct ButtonSetUp {
        StyledButton& button;
        const char* tooltip;
    };
    const ButtonSetUp buttons[] = {{settingsButton_, "Specify unit options"},
                                   {printButton_, "Print current calculation"},
                                   {helpButton_, "Display help information"}};
    for (const ButtonSetUp& setUp : buttons) {
        setUp.button.SetTooltipText(setUp.tooltip);
        redrawNow(setUp.button.hwnd());
    }
}

// Every colour the window hands to its controls: the selector's two pairs,
// the fields' background, the list's rows and header, the buttons' face and
// caption, and the link.
void MainWindow::applyPalette() {
    refrigerantSelector_.SetFocusColours(palette_.selectorFocusFill, palette_.selectorFocusText);
    refrigerantSelector_.SetNormalColours(palette_.fieldBackground, palette_.fieldText);
    for (NumericEntryField* field : {&heatLoadField_, &evapTempField_, &condTempField_,
                                     &returnGasTempField_, &ambientTempField_}) {
        field->SetBackgroundColour(palette_.fieldBackground);
        field->setTextColour(palette_.fieldText);
    }
    SendMessageW(resultsList_.hwnd(), LVM_SETBKCOLOR, 0,
                 static_cast<LPARAM>(palette_.resultsRowBack));
    resultsList_.setPalette(palette_);
    for (StyledButton* button : {&settingsButton_, &printButton_, &helpButton_}) {
        button->setTextColour(palette_.buttonText);
        button->setShade(3, 0, 0, 0, palette_.buttonBlend, palette_.buttonFace, palette_.buttonFace,
                         palette_.buttonFace);
    }
    homepageLink_.SetColours(palette_.linkBackground, palette_.linkUnvisited,
                             palette_.linkVisited, palette_.linkHover);
}

// High contrast may have been turned on or off, or its colours changed: the
// window and every control it colours are drawn again in the palette now in
// force.
void MainWindow::onSystemColoursChanged() {
    if (!isInitialised) {
        return;
    }
    palette_ = systemPalette();
    applyPalette();
    RedrawWindow(hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::setUpResultsList() {
    HWND list = resultsList_.hwnd();
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(ListFont), TRUE);
    const wchar_t* const captions[] = {L"Length", L"Inner Diameter"};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW definition{};
        definition.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
        definition.fmt = LVCFMT_LEFT;
        definition.pszText = const_cast<wchar_t*>(captions[column]);
        definition.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&definition));
    }
    resultsList_.fitColumns();
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void MainWindow::onDestroy() {
    KillTimer(hwnd(), RECALCULATION_TIMER_ID);
    if (isInitialised) {
        saveInputs();
    }
}

void MainWindow::saveInputs() {
    writeInputs(store_, currentRefrigerant, enteredInputs());
}

SelectionInputs MainWindow::enteredInputs() const {
    SelectionInputs inputs;
    inputs.heatLoad = heatLoadField_.GetValue();
    inputs.evapTemp = evapTempField_.GetValue();
    inputs.condTemp = condTempField_.GetValue();
    inputs.returnGasTemp = returnGasTempField_.GetValue();
    inputs.ambientTemp = ambientTempField_.GetValue();
    return inputs;
}

void MainWindow::redrawNow(HWND window) const {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
