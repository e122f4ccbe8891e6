// Painting the main window: everything that is not a control is drawn into
// an off-screen canvas the size of the client area and copied in one block.
#include "ui/main/MainWindow.h"

#include "ui/framework/GdiGuards.h"
#include "ui/framework/OffscreenCanvas.h"

void MainWindow::PaintMainWindow() {
    PaintScope paint(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    OffscreenCanvas canvas(paint.dc(), client);
    const UniqueBrush page(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(canvas.dc(), &client, page.get());
    DefWindowProcW(hwnd(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    canvas.release();
}
