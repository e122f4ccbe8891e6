#pragma once
// Painting of the main window's own surface: the white page, the yellow
// header band with the product name and versions, the logo, the scaled
// refrigeration picture with its lettered points, the two framed panels with
// their captions and unit labels, the flow line and the hint under the list.
// The functions take what they read as parameters (MainWindowLook), so that
// they can be driven without a MainWindow.
#include "units/UnitSettings.h"
#include "win32/Unique.h"

#include <windows.h>

#include <string>

// What one paint of the main window reads.
struct MainWindowLook {
    int clientWidth = 0;  // W
    int clientHeight = 0; // H
    int rightInset = 0;   // R, from the last layout
    std::string productName;
    std::string programVersion;
    std::string databaseVersion;
    UnitSettings units;
    double flowRate = 0;  // l/min of nitrogen, from the last successful selection
    HICON icon = nullptr; // drawn when the window is minimised
};

// The colours of the page.
constexpr COLORREF PAGE_WHITE = RGB(255, 255, 255);
constexpr COLORREF HEADER_YELLOW = RGB(252, 217, 0);
constexpr COLORREF PAGE_TEXT = RGB(30, 30, 30);
constexpr COLORREF PANEL_FRAME_LIGHT = RGB(217, 226, 234);
constexpr COLORREF PANEL_FRAME_DARK = RGB(167, 188, 207);
constexpr COLORREF PANEL_INNER_LIGHT = RGB(238, 241, 245);
constexpr COLORREF PANEL_INNER_DARK = RGB(236, 240, 244);
constexpr COLORREF MARKER_FILL = RGB(244, 127, 76);
constexpr COLORREF MARKER_LETTER = RGB(0, 0, 0);
constexpr COLORREF FIELD_BACKGROUND = RGB(242, 246, 251);
constexpr COLORREF SELECTOR_BLUE = RGB(0, 130, 197);
constexpr COLORREF BUTTON_BLEND = RGB(6, 79, 190);
constexpr COLORREF BUTTON_TEXT = RGB(255, 255, 255);

// The main window's fonts: a logical font with the five given fields set and
// every other field 0 (ANSI character set, default precision and quality).
UniqueFont MakeFont(int width, int height, const wchar_t* face, int weight, int pitchAndFamily);

// WM_PAINT of the main window. Minimised: the icon, centred. Otherwise the
// whole client area is built on an off-screen canvas and copied in one block
// transfer. Returns the picture scale of this paint (0 when minimised).
double PaintMainWindow(HWND window, const MainWindowLook& look);

// Steps 1 to 7 of a paint onto any device context whose origin is the
// client's top-left: page, band, frames, logo, picture, texts and markers.
// Returns the picture scale.
double paintMainWindowContent(HDC dc, const MainWindowLook& look);

// The texts and markers, with the picture scale of the same paint.
void PaintInfoPanel(HDC dc, const MainWindowLook& look, double pictureScale);

// Draws `text` (Windows-1252) with its top-left at (x, y) in "Arial" of the
// given height, in the current text and background colours with an opaque
// background. Returns the text's width in pixels.
int DrawLabel(HDC dc, const char* text, int x, int y, int height);

// An orange circle of diameter d centred on (x, y) with the letter 'A' + index.
void DrawLetterMarker(HDC dc, int x, int y, int diameter, int index);

// Draws the bitmap at (x, y): at its own size, or scaled to 90 % of the height
// below y and no wider than W - R - 350. Returns the factor used (1 unscaled).
double DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y, bool scaled, const MainWindowLook& look);

// One line with "^" raising and "_" lowering the next character, in "Arial"
// 16, vertically centred in `rect`; alignment 0 left, 1 centred, 2 right.
void DrawScriptedText(HDC dc, const std::string& text, const RECT& rect, int alignment);
