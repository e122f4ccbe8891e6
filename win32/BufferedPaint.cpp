#include "win32/BufferedPaint.h"

#include "win32/GdiGuards.h"

void BufferedPaint::excludeFromPaint(HDC) {}

void BufferedPaint::paintInto(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    SavedDCState saved(dc);
    excludeFromPaint(dc);
    paintContent(dc, client, false);
}

std::optional<LRESULT> BufferedPaint::handlePaintMessage(HWND window, UINT message,
                                                         WPARAM wParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return eraseAnswer_;
    case WM_PRINTCLIENT:
        paintInto(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        if (wParam != 0) {
            paintInto(window, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PaintScope paint(window);
        const RECT area = paint.paint().rcPaint;
        if (paint.dc() == nullptr || IsRectEmpty(&area)) {
            return 0;
        }
        excludeFromPaint(paint.dc());
        OffscreenCanvas canvas(paint.dc(), area, surface_);
        paintContent(canvas.dc(), area, true);
        canvas.release();
        return 0;
    }
    default:
        return std::nullopt;
    }
}
