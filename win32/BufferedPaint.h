#pragma once
// Double-buffered painting for a window that draws its whole client area
// itself, as a mixin: the window's class derives from BufferedPaint, draws in
// paintContent, and hands its paint messages to handlePaintMessage.
//   WM_PAINT       BeginPaint, then an OffscreenCanvas over the update
//                  rectangle, on a surface the window keeps from paint to
//                  paint: paintContent draws on the canvas, which is
//                  copied to the window in one block transfer. (A WM_PAINT
//                  that carries a device context in wParam draws into it.)
//   WM_PRINTCLIENT paintContent draws straight into the device context given,
//                  over the whole client area (PrintWindow, captures).
//   WM_ERASEBKGND  nothing is erased; the answer is the one given at
//                  construction (non-zero: "erased", 0: "left to the paint").
// Drawing outside the area is harmless: the canvas clips it.
#include "win32/OffscreenCanvas.h"

#include <optional>
#include <windows.h>

class BufferedPaint {
public:
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

protected:
    explicit BufferedPaint(LRESULT eraseAnswer = TRUE) noexcept : eraseAnswer_(eraseAnswer) {}
    ~BufferedPaint() = default;

    // The result of WM_PAINT, WM_PRINTCLIENT or WM_ERASEBKGND of `window`;
    // std::nullopt for every other message.
    std::optional<LRESULT> handlePaintMessage(HWND window, UINT message, WPARAM wParam);

    // Draws the client area, or at least `area` of it, on `dc`, whose
    // coordinates are client coordinates. `onScreen` is true for a WM_PAINT
    // (the canvas goes to the window) and false for a device context handed
    // in (a print or a capture): side effects on other windows or on the
    // update region belong only to the first.
    virtual void paintContent(HDC dc, const RECT& area, bool onScreen) = 0;

    // Narrows the clip region of the device context the paint lands on (the
    // window's paint DC, or the one handed in), for parts of the client that
    // the paint must not cover, such as a child window the window does not
    // clip. Nothing by default.
    virtual void excludeFromPaint(HDC target);

private:
    void paintInto(HWND window, HDC dc);
    LRESULT eraseAnswer_;
    CanvasSurface surface_;
};
