#pragma once
// Painting of the main window's own surface: the white page, the yellow
// header band with the product name and versions, the logo, the scaled
// refrigeration picture with its lettered points, the two framed panels with
// their captions and unit labels, the flow line and the hint under the list.
// Where things go comes from the layout's page geometry, the colours from
// the palette. The functions take what they read as parameters
// (MainWindowLook, PagePaintResources), so that they can be driven without a
// MainWindow.
#include "ui/main/rules/MainLayout.h"
#include "ui/look/Palette.h"
#include "units/UnitSettings.h"
#include "win32/Drawing.h"
#include "win32/Unique.h"

#include <windows.h>

#include <string>

// What one paint of the main window reads.
struct MainWindowLook {
    PageGeometry page; // from the last layout
    std::string productName;
    std::string programVersion;
    std::string databaseVersion;
    UnitSettings units;
    double flowRate = 0; // l/min of nitrogen, from the last successful selection
    Palette palette;     // the program's colours, or the system's under high contrast
};

// The page's bitmaps and brushes, each made on first use and kept as long as
// this object, and the picture stretched to the page's scale, kept until the
// drawn size changes (the texts are in the look's fonts, LookFont). The logo
// is the set drawn nearest to the page's DPI (BitmapSets), loaded again when
// the DPI asks for another set. The main window keeps one for its lifetime.
class PagePaintResources {
public:
    HBITMAP logo(int dpi);
    int logoResource() const noexcept { return logoResource_; } // 0 before the first logo
    HBITMAP picture();
    // The picture's size in its own pixels; 0, 0 without a picture.
    PixelSize pictureSize();
    HBRUSH brush(COLORREF colour) { return brushes_.get(colour); }

    // The picture stretched to `placement.size` on a bitmap compatible with
    // `dc`, made when the size differs from the kept one. Null when it could
    // not be made; the paint then stretches the picture straight onto the
    // page with the same StretchBlt.
    HBITMAP scaledPicture(HDC dc, const PagePicture& placement);

private:
    UniqueBitmap logo_;
    UniqueBitmap picture_;
    int logoResource_ = 0;
    bool pictureLoaded_ = false;
    SolidBrushes brushes_;
    UniqueBitmap scaled_;
    PixelSize scaledSize_;
};

// The whole page, painted onto any device context whose origin is the
// client's top-left: page, band, frames, logo, picture, texts and markers.
void paintMainWindowContent(HDC dc, const MainWindowLook& look, PagePaintResources& resources);

// The texts and markers.
void PaintInfoPanel(HDC dc, PagePaintResources& resources, const MainWindowLook& look);

// Draws `text` (Windows-1252) with its top-left at (x, y) in "Arial" of the
// given height, in the current text and background colours with an opaque
// background. Returns the text's width in pixels.
int DrawLabel(HDC dc, const char* text, int x, int y, int height);

// A circle of diameter d in `fill` centred on (x, y) with the letter 'A' + index,
// outlined in the DC's pen colour `line` pixels wide; the letter's place
// and height follow the scale.
void DrawLetterMarker(HDC dc, PagePaintResources& resources, int x, int y, int diameter, int index,
                      COLORREF fill, int line, DpiScale scale);

// Draws the bitmap at (x, y): at its own size, or scaled to the picture's
// drawn size of the page (the layout's factor, PagePicture).
void DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y, bool scaled, const MainWindowLook& look);

// One line with "^" raising and "_" lowering the next character, in "Arial"
// of cell height `height` (the raised and lowered characters in a smaller
// one), vertically centred in `rect` and clipped to `clip`; alignment 0 left,
// 1 centred, 2 right.
void DrawScriptedText(HDC dc, const std::string& text, const PixelRect& rect, int alignment,
                      int height, const PixelRect& clip);
