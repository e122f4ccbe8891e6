#pragma once
// The main window: a modal dialog (template 102) holding the refrigerant
// choice, the input fields, the result list and the buttons. It owns the
// database, the result of the last selection run and the selected
// refrigerant for the whole run; the program ends when it closes.
//
// Recalculation is deferred: an input change only marks it pending
// (`recalcPending`), and the next tick of timer 100 (every 1000 ms) runs
// `Recalculate`.
//
// The handlers live in files by concern:
//   MainWindow.cpp          message table, start-up and close
//   MainWindowCommands.cpp  control notifications, the buttons, the system menu
//   MainWindowRecalculate.cpp  the selection run and the result list
//   MainWindowLayout.cpp    control placement, size and move tracking, the DPI
//   MainWindowPaint.cpp     painting (buffered, see BufferedPaint) and the icon
//   MainWindowNames.cpp     the labels that name the controls for screen readers
#include "database/RefrigerantDatabase.h"
#include "selection/SelectionInputs.h"
#include "selection/SelectionResult.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"
#include "ui/controls/FlatComboBox.h"
#include "ui/controls/HyperlinkLabel.h"
#include "ui/controls/NumericEntryField.h"
#include "ui/framework/Dialog.h"
#include "ui/framework/SubclassedControl.h"
#include "ui/main/AppIdentity.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/ResultsList.h"
#include "ui/main/StyledButton.h"
#include "units/UnitSettings.h"
#include "win32/BufferedPaint.h"
#include "win32/Unique.h"

#include <memory>
#include <string>

class MainWindow : public Dialog, private BufferedPaint {
public:
    // `identity` comes from the program's version resource (the data file may
    // replace its database version); `applicationName` captions the
    // load-failure message.
    MainWindow(SettingsStore& store, const AppIdentity& identity, std::wstring applicationName);
    ~MainWindow() override;

    // Read-only views of the working state, for the windows it opens, the
    // report and the tests.
    const RefrigerantDatabase& database() const noexcept { return *database_; }
    const SelectionResult& result() const noexcept { return result_; }
    const UnitSettings& units() const noexcept { return units_; }
    const AppIdentity& identity() const noexcept { return identity_; }
    int selectedRefrigerant() const noexcept { return currentRefrigerant; }
    bool recalculationPending() const noexcept { return recalcPending; }
    bool initialisationComplete() const noexcept { return isInitialised; }
    // How many times `Recalculate` has run in this window.
    int recalculationCount() const noexcept { return recalculationCount_; }
    // The DPI the window lays itself out and paints at.
    int dpi() const noexcept { return dpi_; }
    // The logo's bitmap resource the page paints with; 0 before the first paint.
    int logoResource() const noexcept { return pageResources_.logoResource(); }
    // The entered values, read from their fields now.
    SelectionInputs enteredInputs() const;

protected:
    bool onInitDialog() override;
    void onOK() override {} // Enter never closes the window
    bool onCommand(int controlId, UINT code, HWND control) override;
    std::optional<LRESULT> onNotify(const NMHDR& header) override;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The period of recalculation timer 100.
    static constexpr UINT RECALCULATION_PERIOD_MS = 1000;

    // Start-up and close (MainWindow.cpp).
    bool loadDatabase();
    void addAboutCommand();
    void restorePlacement();
    void InitialiseControls();
    void setUpResultsList();
    void applyPalette();
    void onSystemColoursChanged();
    void onDestroy();
    void saveInputs();

    // Notifications and commands (MainWindowCommands.cpp).
    void onRefrigerantChanged();
    void onUnusedInputChanged() {}
    bool onSysCommand(WPARAM wParam);
    void onTimer();
    void onSettings();
    void onPrint();
    void onHelp();
    void onAbout();
    void markPending() noexcept { recalcPending = true; }

    // The selection run (MainWindowRecalculate.cpp).
    void Recalculate();

    // Placement and the DPI (MainWindowLayout.cpp).
    void LayoutControls();
    void onSize(WPARAM type, int width, int height);
    void onMove(int x, int y);
    void onSizing(RECT& proposed);
    FrameInsets frameInsets() const;
    void applyScale();
    void scaleLinkFont();
    void onDpiChanged(int dpi, const RECT& suggested);

    // Names (MainWindowNames.cpp): the input rows' labels follow the units,
    // the results list's label the outcome of the last run.
    void nameInputs();
    void nameRecommendation(bool runSucceeded);
    void setLabelText(int labelId, int controlId, const std::string& text);

    // Painting (MainWindowPaint.cpp).
    LRESULT PaintMainWindow(WPARAM wParam);
    void paintContent(HDC dc, const RECT& area, bool onScreen) override;
    void paintMinimised();
    HICON applicationIcon() const noexcept { return icon_; }

    void redrawNow(HWND window) const;

    SettingsStore& store_;
    AppIdentity identity_;
    std::wstring applicationName_;
    UnitSettings units_;
    std::unique_ptr<RefrigerantDatabase> database_;
    SelectionResult result_;

    int currentRefrigerant = 0;
    bool recalcPending = false;
    bool isInitialised = false;
    PageGeometry page_; // from the last layout; read by every paint
    int dpi_ = DESIGN_DPI;           // the DPI the window is shown at
    int dialogFontDpi_ = DESIGN_DPI; // the DPI its template's font was made for
    Palette palette_;   // the colours in force; the system's under high contrast
    int recalculationCount_ = 0;

    // The look's fonts of the fields and the results list (LookFont keeps
    // them for the whole run).
    HFONT CaptionFont = nullptr;
    HFONT ListFont = nullptr;
    PagePaintResources pageResources_;
    HICON icon_ = nullptr; // shared resource icon, not destroyed
    UniqueIcon smallIcon_;

    // The controls of template 102.
    FlatComboBox refrigerantSelector_;
    NumericEntryField heatLoadField_;
    NumericEntryField evapTempField_;
    NumericEntryField condTempField_;
    NumericEntryField returnGasTempField_;
    NumericEntryField ambientTempField_;
    NumericEntryField unusedField1000_;
    NumericEntryField unusedField1007_;
    ResultsList resultsList_;
    StyledButton settingsButton_;
    StyledButton printButton_;
    StyledButton helpButton_;
    HyperlinkLabel homepageLink_;
};
