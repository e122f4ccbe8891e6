// Placing the controls, tracking the window's size and position, and the
// window's DPI: the fonts, bitmaps and sizes its controls are given at it.
#include "ui/main/MainWindow.h"

#include "resources/ResourceIds.h"
#include "settings/WindowPlacement.h"
#include "ui/controls/LookFont.h"
#include "ui/main/rules/BitmapSets.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/TrackSize.h"
#include "win32/RectConversion.h"
#include "win32/WindowDpi.h"

namespace {

// The drop-down list of the refrigerant selector opens below its face; the
// face keeps the height the layout gives.
constexpr int SELECTOR_LIST_HEIGHT = 200;

} // namespace

// The frame of an overlapped window at the window's DPI, as the stored
// placement counts it.
FrameInsets MainWindow::frameInsets() const {
    const RECT outer = frameAtDpi(WS_OVERLAPPEDWINDOW, 0, dpi_);
    return {-outer.left, -outer.top, outer.right, outer.bottom};
}

void MainWindow::LayoutControls() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const DpiScale scale{dpi_};
    const MainLayout layout =
        computeMainLayout(client.right - client.left, client.bottom - client.top,
                          pageResources_.pictureSize(), scale);
    page_ = layout.page;
    for (const ControlPlacement& placement : layout.controls) {
        HWND control = item(placement.controlId);
        if (control == nullptr) {
            continue;
        }
        const PixelRect& rect = placement.rect;
        const int height = placement.controlId == IDC_MAIN_REFRIGERANT
                               ? rect.height() + scale(SELECTOR_LIST_HEIGHT)
                               : rect.height();
        MoveWindow(control, rect.left, rect.top, rect.width(), height, TRUE);
    }
}

void MainWindow::onSize(WPARAM type, int width, int height) {
    const bool minimised = IsIconic(hwnd()) != FALSE || type == SIZE_MINIMIZED;
    const bool maximised = IsZoomed(hwnd()) != FALSE || type == SIZE_MAXIMIZED;
    if (!minimised && !maximised && isInitialised) {
        writeWindowSize(store_, width, height, frameInsets(), dpi_);
    }
    if (!minimised && isInitialised) {
        LayoutControls();
        redrawNow(hwnd());
        redrawNow(settingsButton_.hwnd());
        redrawNow(printButton_.hwnd());
        redrawNow(helpButton_.hwnd());
        redrawNow(resultsList_.hwnd());
    }
}

void MainWindow::onMove(int x, int y) {
    if (IsIconic(hwnd()) || IsZoomed(hwnd()) || !isInitialised) {
        return;
    }
    writeWindowPosition(store_, x, y, frameInsets());
}

void MainWindow::onSizing(RECT& proposed) {
    proposed = toRect(holdMinimumTrackSize(fromRect<PixelRect>(proposed), DpiScale{dpi_}));
}

// Everything the window hands its controls at its DPI: the fonts of the
// fields, the list and the buttons, the selector's pieces from the nearest
// set and its heights, the list's header and the buttons' rings, and the
// link's font. At start-up and after every change of DPI; the layout and the
// button faces follow.
void MainWindow::applyScale() {
    const ControlSizes sizes = controlSizesAt(DpiScale{dpi_});
    CaptionFont = lookFont(sizes.fieldFontHeight);
    ListFont = lookFont(sizes.listFontHeight);
    for (NumericEntryField* field : {&heatLoadField_, &evapTempField_, &condTempField_,
                                     &returnGasTempField_, &ambientTempField_}) {
        SendMessageW(field->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont), TRUE);
    }
    if (isInitialised) { // at start-up the list takes its font once laid out (setUpResultsList)
        SendMessageW(resultsList_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(ListFont), TRUE);
    }
    resultsList_.setDpi(dpi_);

    refrigerantSelector_.setDpi(dpi_);
    refrigerantSelector_.SetBitmaps(
        bitmapResourceAt(IDB_COMBO_LEFT, dpi_), bitmapResourceAt(IDB_COMBO_BUTTON, dpi_),
        bitmapResourceAt(IDB_COMBO_BUTTON_OPEN, dpi_), bitmapResourceAt(IDB_COMBO_MIDDLE, dpi_),
        {sizes.selectorLeftWidth, sizes.selectorButtonWidth, sizes.selectorPieceHeight});
    refrigerantSelector_.setItemHeights(sizes.rowHeight, sizes.selectorItemHeight);

    for (StyledButton* button : {&settingsButton_, &printButton_, &helpButton_}) {
        button->setFaceFont(lookFont(sizes.buttonFontHeight));
        button->setDpi(dpi_);
    }
    scaleLinkFont();
}

// The link shows the template's font, which the dialog manager made for the
// DPI the window was created at; at another DPI the link gets that font
// scaled (it keeps copies of what it is given).
void MainWindow::scaleLinkFont() {
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    if (dialogFont == nullptr) {
        return;
    }
    if (dpi_ == dialogFontDpi_) {
        if (reinterpret_cast<HFONT>(SendMessageW(homepageLink_.hwnd(), WM_GETFONT, 0, 0)) !=
            dialogFont) {
            SendMessageW(homepageLink_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont),
                         TRUE);
        }
        return;
    }
    LOGFONTW logical{};
    GetObjectW(dialogFont, sizeof logical, &logical);
    logical.lfHeight = scalePixels(unscalePixels(logical.lfHeight, dialogFontDpi_), dpi_);
    const UniqueFont scaled(CreateFontIndirectW(&logical));
    if (scaled) {
        SendMessageW(homepageLink_.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(scaled.get()),
                     TRUE);
    }
}

// The window is now shown at `dpi`: its controls get what they need at it,
// the window takes the rectangle the system suggests (about the same size
// relative to its text), and everything is laid out and drawn again. Before
// the set-up has run, the placement itself sizes the window for its monitor.
void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi > 0 ? dpi : DESIGN_DPI;
    if (!isInitialised) {
        return;
    }
    applyScale();
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls(); // also when the suggested size is the size the window has
    resultsList_.fitColumns();
    applyPalette(); // the button faces at their new size
    RedrawWindow(hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
