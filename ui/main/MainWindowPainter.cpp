#include "ui/main/MainWindowPainter.h"

#include "resources/ResourceIds.h"
#include "ui/main/rules/FlowLineText.h"
#include "ui/main/rules/PicturePlacement.h"
#include "ui/main/rules/ScriptedText.h"
#include "units/Units.h"
#include "win32/Drawing.h"
#include "win32/GdiGuards.h"
#include "win32/OffscreenCanvas.h"
#include "win32/Text1252.h"

#include <cstring>
#include <vector>

namespace {

// Every font of the page: width 0, weight 400, pitch-and-family 1.
constexpr int kFontWeight = 400;
constexpr int kFontPitch = 1;

UniqueFont pageFont(int height) {
    return MakeFont(0, height, L"Arial", kFontWeight, kFontPitch);
}

void drawPanelFrame(HDC dc, RECT frame) {
    drawTwoToneFrame(dc, frame, PANEL_FRAME_LIGHT, PANEL_FRAME_DARK);
    frame.left -= 1;
    frame.top += 1;
    frame.right += 1;
    frame.bottom += 1;
    drawTwoToneFrame(dc, frame, PANEL_INNER_LIGHT, PANEL_INNER_DARK);
}

TextExtent measure(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

} // namespace

UniqueFont MakeFont(int width, int height, const wchar_t* face, int weight, int pitchAndFamily) {
    return createFont({face, height, width, weight, pitchAndFamily});
}

int DrawLabel(HDC dc, const char* text, int x, int y, int height) {
    const std::wstring wide = widen1252(text);
    UniqueFont font = pageFont(height);
    SelectGuard selected(dc, font.get());
    const int oldMode = SetBkMode(dc, OPAQUE);
    const TextExtent extent = measure(dc, wide);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SetBkMode(dc, oldMode);
    return extent.width;
}

void DrawLetterMarker(HDC dc, int x, int y, int diameter, int index) {
    const MarkerGeometry geometry = letterMarkerGeometry(x, y, diameter);
    UniqueBrush brush(CreateSolidBrush(MARKER_FILL));
    const HGDIOBJ oldBrush = SelectObject(dc, brush.get());
    SetBkColor(dc, MARKER_FILL);
    Ellipse(dc, geometry.left, geometry.top, geometry.left + geometry.side,
            geometry.top + geometry.side);
    const char letter[2] = {static_cast<char>('A' + index), '\0'};
    DrawLabel(dc, letter, geometry.letterX, geometry.letterY, geometry.letterHeight);
    SelectObject(dc, oldBrush);
}

double DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y, bool scaled, const MainWindowLook& look) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return scaled ? 0.0 : 1.0;
    }
    UniqueMemoryDC memory(CreateCompatibleDC(dc));
    if (!memory) {
        return scaled ? 0.0 : 1.0;
    }
    SetMapMode(memory.get(), GetMapMode(dc));
    SelectGuard selected(memory.get(), bitmap);
    POINT size{info.bmWidth, info.bmHeight};
    DPtoLP(memory.get(), &size, 1);
    if (!scaled) {
        StretchBlt(dc, x, y, size.x, size.y, memory.get(), 0, 0, size.x, size.y, SRCCOPY);
        return 1.0;
    }
    const double scale =
        pictureScale(size.x, size.y, look.clientWidth, look.clientHeight, look.rightInset, y);
    const PictureSize drawn = scaledPictureSize(size.x, size.y, scale);
    StretchBlt(dc, x, y, drawn.width, drawn.height, memory.get(), 0, 0, size.x, size.y, SRCCOPY);
    return scale;
}

void DrawScriptedText(HDC dc, const std::string& text, const RECT& rect, int alignment) {
    UniqueFont baseFont = pageFont(16);
    LOGFONTW logical{};
    GetObjectW(baseFont.get(), sizeof logical, &logical);
    const int w = logical.lfWidth;
    const int h = logical.lfHeight;
    const ScriptFontSize scriptSize = scriptFontFor(w, h);
    LOGFONTW scriptLogical = logical;
    scriptLogical.lfWidth = scriptSize.width;
    scriptLogical.lfHeight = scriptSize.height;
    UniqueFont scriptFont(CreateFontIndirectW(&scriptLogical));

    SavedDCState saved(dc);
    SelectObject(dc, baseFont.get());
    SetTextAlign(dc, TA_BOTTOM | TA_LEFT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);

    const std::vector<ScriptedRun> runs = splitScriptedText(text);
    std::vector<std::wstring> wideRuns;
    std::vector<TextExtent> extents;
    wideRuns.reserve(runs.size());
    extents.reserve(runs.size());
    for (const ScriptedRun& run : runs) {
        wideRuns.push_back(widen1252(run.text));
        SelectObject(dc, run.kind == ScriptKind::Plain ? baseFont.get() : scriptFont.get());
        extents.push_back(measure(dc, wideRuns.back()));
    }
    const ScriptRect box{rect.left, rect.top, rect.right, rect.bottom};
    const ScriptedLayout layout =
        layoutScriptedRuns(runs, extents, w, h, metrics.tmHeight, box, alignment);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SelectObject(dc, runs[i].kind == ScriptKind::Plain ? baseFont.get() : scriptFont.get());
        ExtTextOutW(dc, layout.positions[i].x, layout.positions[i].y, ETO_CLIPPED, &rect,
                    wideRuns[i].c_str(), static_cast<UINT>(wideRuns[i].size()), nullptr);
    }
    // `saved` restores the DC (and so deselects the fonts) before they are deleted.
}

void PaintInfoPanel(HDC dc, const MainWindowLook& look, double pictureScale) {
    const int W = look.clientWidth;
    const int R = look.rightInset;
    const int P = W - 330 - R;

    SetBkColor(dc, HEADER_YELLOW);
    const int w = DrawLabel(dc, look.productName.c_str(), 4, 17, 32);
    const int versionWidth = DrawLabel(dc, "Version", w + 20, 20, 14);
    const int databaseWidth = DrawLabel(dc, "Database", w + 20, 34, 14);
    // The values start 50 pixels after the labels, or further right where a
    // label leaves less than 6 pixels before them ("Database" in Arial 14 is
    // about 52 pixels wide): the opaque value must not cover its last letter.
    const int widest = versionWidth > databaseWidth ? versionWidth : databaseWidth;
    const int valueX = widest + 6 > 50 ? w + 20 + widest + 6 : w + 70;
    DrawLabel(dc, look.programVersion.c_str(), valueX, 20, 14);
    DrawLabel(dc, look.databaseVersion.c_str(), valueX, 34, 14);

    SetBkColor(dc, PAGE_WHITE);
    DrawLabel(dc, "Input Data", P, 74, 20);
    DrawLabel(dc, "Capillary Tube Recommendation", P, 255, 20);

    const RECT flowRect{P + 6, 272, W - 30 - R, 293};
    DrawScriptedText(dc, flowLineText(look.units, look.flowRate), flowRect, 0);

    DrawLabel(dc, "Optimal selection is highlighted in yellow.", P + 6, 505, 14);

    static const char* const captions[5] = {"Refrigerant", "Heat load of the system",
                                            "Evaporating temperature", "Condensing temperature",
                                            "Return gas temperature"};
    static const int unitKinds[5] = {UNIT_NONE, UNIT_ENERGY, UNIT_TEMPERATURE, UNIT_TEMPERATURE,
                                     UNIT_TEMPERATURE};
    for (int i = 0; i < 5; ++i) {
        const int y = 100 + 25 * i;
        DrawLabel(dc, captions[i], W - 290 - R, y, 16);
        DrawLabel(dc, UnitLabel(look.units, unitKinds[i]), W - 50 - R, y, 16);
    }

    SetTextColor(dc, MARKER_LETTER);
    for (int i = 0; i < 4; ++i) {
        const MarkerPoint at = captionMarkerPosition(i, W, R);
        DrawLetterMarker(dc, at.x, at.y, MARKER_DIAMETER, i);
    }
    for (int i = 0; i < PICTURE_POINT_COUNT; ++i) {
        const MarkerPoint at = pictureMarkerPosition(PICTURE_POINTS[i], pictureScale);
        DrawLetterMarker(dc, at.x, at.y, MARKER_DIAMETER, i);
    }
}

double paintMainWindowContent(HDC dc, const MainWindowLook& look) {
    const int W = look.clientWidth;
    const int H = look.clientHeight;
    const int R = look.rightInset;
    const int P = W - 330 - R;

    fillSolid(dc, RECT{0, 0, W, H}, PAGE_WHITE);
    fillSolid(dc, RECT{0, 16, W - 8, 67}, HEADER_YELLOW);
    drawPanelFrame(dc, RECT{P, 94, W - 10 - R, 225});
    drawPanelFrame(dc, RECT{P, 275, W - 10 - R, 502});

    {
        UniqueBitmap logo = loadBitmapResource(IDB_LOGO);
        DrawBitmapAt(dc, logo.get(), W - 8 - 99, 3, false, look);
    }
    double pictureScale = 0;
    {
        UniqueBitmap picture = loadBitmapResource(IDB_PICTURE);
        pictureScale = DrawBitmapAt(dc, picture.get(), PICTURE_LEFT, PICTURE_TOP, true, look);
    }

    SetBkColor(dc, PAGE_WHITE);
    SetTextColor(dc, PAGE_TEXT);
    PaintInfoPanel(dc, look, pictureScale);
    return pictureScale;
}

double PaintMainWindow(HWND window, const MainWindowLook& look) {
    if (IsIconic(window)) {
        PaintScope paint(window);
        RECT client{};
        GetClientRect(window, &client);
        SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()), 0);
        const int cx = GetSystemMetrics(SM_CXICON);
        const int cy = GetSystemMetrics(SM_CYICON);
        if (look.icon != nullptr) {
            DrawIcon(paint.dc(), (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2,
                     look.icon);
        }
        return 0.0;
    }
    PaintScope paint(window);
    OffscreenCanvas canvas(paint.dc(), RECT{0, 0, look.clientWidth, look.clientHeight});
    const double pictureScale = paintMainWindowContent(canvas.dc(), look);
    DefWindowProcW(window, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    canvas.release();
    return pictureScale;
}
