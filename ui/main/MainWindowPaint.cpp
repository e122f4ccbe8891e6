// Painting the main window: everything that is not a control is drawn by the
// page painter (MainWindowPainter) with the window's kept paint resources,
// through the buffered paint (an off-screen canvas over the update
// rectangle, copied in one block); minimised, the window shows its icon.
#include "ui/main/MainWindow.h"

#include "win32/GdiGuards.h"

LRESULT MainWindow::PaintMainWindow(WPARAM wParam) {
    if (IsIconic(hwnd()) && wParam == 0) {
        paintMinimised();
        return 0;
    }
    return handlePaintMessage(hwnd(), WM_PAINT, wParam).value_or(0);
}

void MainWindow::paintContent(HDC dc, const RECT&, bool onScreen) {
    // A paint before the first layout, or of a size no layout has seen yet
    // (the layout waits for initialisation and skips the minimised state),
    // places the page for the client it has, with the last layout's inset.
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (client.right != page_.clientWidth || client.bottom != page_.clientHeight) {
        page_ = computePageGeometry(client.right, client.bottom, page_.rightInset,
                                    pageResources_.pictureSize(), DpiScale{dpi_});
    }
    MainWindowLook look;
    look.page = page_;
    look.productName = identity_.productName;
    look.programVersion = identity_.programVersion;
    look.databaseVersion = identity_.databaseVersion;
    look.units = units_;
    look.flowRate = result_.flowRate;
    look.palette = palette_;
    paintMainWindowContent(dc, look, pageResources_);
    if (onScreen) {
        // The platform's own paint handling, with the canvas as its DC.
        DefWindowProcW(hwnd(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void MainWindow::paintMinimised() {
    PaintScope paint(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    if (applicationIcon() != nullptr) {
        DrawIcon(paint.dc(), (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2,
                 applicationIcon());
    }
}
