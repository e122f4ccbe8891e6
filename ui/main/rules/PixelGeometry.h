#pragma once
// The geometry of the window decisions: a point, a size and a rectangle in
// whole pixels of the main window's client area (or of a window rectangle on
// the screen). Every place, extent and area the rules compute is one of these
// three; the window code turns a rectangle into a RECT in one place
// (win32/RectConversion.h).

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Right and bottom are exclusive, as in a Win32 RECT.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const noexcept { return right - left; }
    constexpr int height() const noexcept { return bottom - top; }
};

// The rectangle of `size` with its left-top corner at `at`.
constexpr PixelRect rectAt(PixelPoint at, PixelSize size) {
    return {at.x, at.y, at.x + size.width, at.y + size.height};
}
