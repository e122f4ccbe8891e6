// Placing the controls and tracking the window's size and position.
#include "ui/main/MainWindow.h"

#include "resources/ResourceIds.h"
#include "settings/WindowPlacement.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/TrackSize.h"
#include "win32/RectConversion.h"

namespace {

// The drop-down list of the refrigerant selector opens below its face; the
// face keeps the height the layout gives.
constexpr int SELECTOR_LIST_HEIGHT = 200;

} // namespace

// The frame of an overlapped window, as the stored placement counts it.
FrameInsets MainWindow::frameInsets() {
    RECT outer{0, 0, 0, 0};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    return {-outer.left, -outer.top, outer.right, outer.bottom};
}

void MainWindow::LayoutControls() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const MainLayout layout = computeMainLayout(client.right - client.left,
                                                client.bottom - client.top,
                                                pageResources_.pictureSize());
    page_ = layout.page;
    for (const ControlPlacement& placement : layout.controls) {
        HWND control = item(placement.controlId);
        if (control == nullptr) {
            continue;
        }
        const PixelRect& rect = placement.rect;
        const int height = placement.controlId == IDC_MAIN_REFRIGERANT
                               ? rect.height() + SELECTOR_LIST_HEIGHT
                               : rect.height();
        MoveWindow(control, rect.left, rect.top, rect.width(), height, TRUE);
    }
}

void MainWindow::onSize(WPARAM type, int width, int height) {
    const bool minimised = IsIconic(hwnd()) != FALSE || type == SIZE_MINIMIZED;
    const bool maximised = IsZoomed(hwnd()) != FALSE || type == SIZE_MAXIMIZED;
    if (!minimised && !maximised && isInitialised) {
        writeWindowSize(store_, width, height, frameInsets());
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
    proposed = toRect(holdMinimumTrackSize(fromRect<PixelRect>(proposed)));
}
