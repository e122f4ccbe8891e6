#pragma once
// Small GDI drawing helpers shared by the windows and controls.
#include "win32/GdiGuards.h"
#include "win32/Unique.h"

#include <utility>
#include <vector>
#include <windows.h>

// Fills `rect` with a solid brush of `colour`.
void fillSolid(HDC dc, const RECT& rect, COLORREF colour);

// A one-pixel outline: the top and left lines in `topLeft`, the right and
// bottom lines in `bottomRight` (those two include the corner pixels).
void drawTwoToneFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
// The same outline with brushes the caller keeps, `line` pixels wide.
void drawTwoToneFrame(HDC dc, const RECT& rect, HBRUSH topLeft, HBRUSH bottomRight, int line = 1);

// Solid brushes kept for a window's lifetime, one per colour, made on first
// use.
class SolidBrushes {
public:
    // The brush of `colour`; null when none could be made.
    HBRUSH get(COLORREF colour);

private:
    std::vector<std::pair<COLORREF, UniqueBrush>> brushes_;
};

// A logical font: the face and the given fields, every other field 0 (so the
// ANSI character set, default precision and quality).
struct FontDescription {
    const wchar_t* face = L"Arial";
    int height = 0;
    int width = 0;
    int weight = 0;
    int pitchAndFamily = 0;
    bool italic = false;
    bool underline = false;
};
LOGFONTW logicalFont(const FontDescription& wanted);
UniqueFont createFont(const FontDescription& wanted);

// Fonts kept for the set's lifetime, one per description, made on first use.
class FontSet {
public:
    // The font of `wanted`; null when none could be made.
    HFONT get(const FontDescription& wanted);

private:
    std::vector<std::pair<LOGFONTW, UniqueFont>> fonts_;
};

// A bitmap resource of the program as a DIB section, or null.
UniqueBitmap loadBitmapResource(int resourceId);

// The width and height of a bitmap; 0, 0 for none.
SIZE bitmapSize(HBITMAP bitmap);

// Hands `use` a temporary memory DC compatible with `dc` that has `bitmap`
// selected, to copy the bitmap from or to draw onto it. False, and `use` not
// called, when there is no bitmap or no memory DC could be made.
template <typename Use> bool withBitmapSelected(HDC dc, HBITMAP bitmap, Use&& use) {
    if (bitmap == nullptr) {
        return false;
    }
    UniqueMemoryDC memory(CreateCompatibleDC(dc));
    if (!memory) {
        return false;
    }
    SelectGuard selected(memory.get(), bitmap);
    use(memory.get());
    return true;
}

// Copies the bitmap's top-left width x height pixels to (x, y) of `dc`
// (SRCCOPY). False when nothing could be copied.
bool copyBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

// Draws the whole bitmap onto width x height at (x, y): copied one to one when
// the sizes agree; stretched in the stretch mode of `dc` when only the width
// differs (a piece drawn to fill a width, such as a tile); stretched smoothly
// (HALFTONE) when the height differs too, as for a bitmap drawn for another
// DPI than the one it is shown at. False when nothing could be drawn.
bool drawBitmapFitted(HDC dc, HBITMAP bitmap, int x, int y, int width, int height);

// Stretches the bitmap's top-left sourceWidth x sourceHeight pixels onto
// width x height at (x, y) of `dc` (SRCCOPY, in the stretch mode of `dc`).
void stretchBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, int sourceWidth,
                   int sourceHeight);
