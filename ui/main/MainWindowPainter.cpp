#include "ui/main/MainWindowPainter.h"

#include "resources/ResourceIds.h"
#include "ui/controls/LookFont.h"
#include "ui/main/rules/BitmapSets.h"
#include "ui/main/rules/FlowLineText.h"
#include "ui/main/rules/PanelTexts.h"
#include "ui/main/rules/PicturePlacement.h"
#include "ui/main/rules/ScriptedText.h"
#include "units/Units.h"
#include "win32/GdiGuards.h"
#include "win32/RectConversion.h"
#include "win32/Text1252.h"

#include <vector>

namespace {

void fill(HDC dc, PagePaintResources& resources, const PixelRect& rect, COLORREF colour) {
    const RECT area = toRect(rect);
    FillRect(dc, &area, resources.brush(colour));
}

void drawPanelFrame(HDC dc, PagePaintResources& resources, const PanelFrame& frame,
                    const Palette& palette, int line) {
    drawTwoToneFrame(dc, toRect(frame.outer), resources.brush(palette.panelFrameLight),
                     resources.brush(palette.panelFrameDark), line);
    drawTwoToneFrame(dc, toRect(frame.inner), resources.brush(palette.panelInnerLight),
                     resources.brush(palette.panelInnerDark), line);
}

PixelSize measure(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

// The bitmap's size in the logical units of `dc`, taken through a memory DC
// with the same mapping mode, which `draw` receives with the bitmap selected.
// False when the bitmap or the memory DC is missing.
template <typename Draw> bool drawFromBitmap(HDC dc, HBITMAP bitmap, Draw draw) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return false;
    }
    return withBitmapSelected(dc, bitmap, [&](HDC source) {
        SetMapMode(source, GetMapMode(dc));
        POINT size{info.bmWidth, info.bmHeight};
        DPtoLP(source, &size, 1);
        draw(source, PixelSize{size.x, size.y});
    });
}

// The one stretched copy of a page bitmap: the whole bitmap onto `drawn`
// pixels with its left-top at `at`, SRCCOPY, in the target's stretch mode
// (left at its default).
void stretchWhole(HDC dc, PixelPoint at, PixelSize drawn, HDC source, PixelSize size) {
    StretchBlt(dc, at.x, at.y, drawn.width, drawn.height, source, 0, 0, size.width, size.height,
               SRCCOPY);
}

void drawPicture(HDC dc, PagePaintResources& resources, const MainWindowLook& look) {
    const PagePicture& placement = look.page.picture;
    if (copyBitmap(dc, resources.scaledPicture(dc, placement), placement.origin.x,
                   placement.origin.y, placement.size.width, placement.size.height)) {
        return;
    }
    DrawBitmapAt(dc, resources.picture(), placement.origin.x, placement.origin.y, true, look);
}

} // namespace

HBITMAP PagePaintResources::logo(int dpi) {
    const int resource = bitmapResourceAt(IDB_LOGO, dpi);
    if (resource != logoResource_) {
        logo_ = loadBitmapResource(resource);
        logoResource_ = resource;
    }
    return logo_.get();
}

HBITMAP PagePaintResources::picture() {
    if (!pictureLoaded_) {
        picture_ = loadBitmapResource(IDB_PICTURE);
        pictureLoaded_ = true;
    }
    return picture_.get();
}

PixelSize PagePaintResources::pictureSize() {
    const SIZE size = bitmapSize(picture());
    return {size.cx, size.cy};
}

HBITMAP PagePaintResources::scaledPicture(HDC dc, const PagePicture& placement) {
    if (placement.size.width <= 0 || placement.size.height <= 0) {
        return nullptr;
    }
    if (scaled_ && scaledSize_.width == placement.size.width &&
        scaledSize_.height == placement.size.height) {
        return scaled_.get();
    }
    scaled_.reset();
    UniqueBitmap made(CreateCompatibleBitmap(dc, placement.size.width, placement.size.height));
    bool drawn = false;
    withBitmapSelected(dc, made.get(), [&](HDC target) {
        drawn = drawFromBitmap(target, picture(), [&](HDC source, PixelSize size) {
            stretchWhole(target, {0, 0}, placement.size, source, size);
        });
    });
    if (!drawn) {
        return nullptr;
    }
    scaled_ = std::move(made);
    scaledSize_ = placement.size;
    return scaled_.get();
}

int DrawLabel(HDC dc, const char* text, int x, int y, int height) {
    const std::wstring wide = widen1252(text);
    SelectGuard selected(dc, lookFont(height));
    const int oldMode = SetBkMode(dc, OPAQUE);
    const PixelSize extent = measure(dc, wide);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SetBkMode(dc, oldMode);
    return extent.width;
}

void DrawLetterMarker(HDC dc, PagePaintResources& resources, int x, int y, int diameter, int index,
                      COLORREF fill, int line, DpiScale scale) {
    const MarkerGeometry geometry = letterMarkerGeometry(x, y, diameter, scale);
    SelectGuard selected(dc, resources.brush(fill));
    // A one-pixel outline is the DC's own pen; a wider one is that pen's
    // colour at the width, inside the circle's square.
    UniquePen widePen;
    if (line > 1) {
        LOGPEN current{};
        GetObjectW(GetCurrentObject(dc, OBJ_PEN), sizeof current, &current);
        widePen.reset(CreatePen(PS_INSIDEFRAME, line, current.lopnColor));
    }
    SelectGuard outline(dc, widePen ? static_cast<HGDIOBJ>(widePen.get())
                                    : GetCurrentObject(dc, OBJ_PEN));
    SetBkColor(dc, fill);
    Ellipse(dc, geometry.circle.left, geometry.circle.top, geometry.circle.right,
            geometry.circle.bottom);
    const char letter[2] = {static_cast<char>('A' + index), '\0'};
    DrawLabel(dc, letter, geometry.letter.x, geometry.letter.y, geometry.letterHeight);
}

void DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y, bool scaled, const MainWindowLook& look) {
    drawFromBitmap(dc, bitmap, [&](HDC source, PixelSize size) {
        stretchWhole(dc, {x, y}, scaled ? look.page.picture.size : size, source, size);
    });
}

void DrawScriptedText(HDC dc, const std::string& text, const PixelRect& rect, int alignment,
                      int height, const PixelRect& clip) {
    const HFONT baseFont = lookFont(height);
    LOGFONTW logical{};
    GetObjectW(baseFont, sizeof logical, &logical);
    const int w = logical.lfWidth;
    const int h = logical.lfHeight;
    const PixelSize scriptSize = scriptFontFor(w, h);
    const HFONT scriptFont = lookFont(scriptSize.height, scriptSize.width);

    SavedDCState saved(dc);
    SelectObject(dc, baseFont);
    SetTextAlign(dc, TA_BOTTOM | TA_LEFT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);

    const std::vector<ScriptedRun> runs = splitScriptedText(text);
    std::vector<std::wstring> wideRuns;
    std::vector<PixelSize> extents;
    wideRuns.reserve(runs.size());
    extents.reserve(runs.size());
    for (const ScriptedRun& run : runs) {
        wideRuns.push_back(widen1252(run.text));
        SelectObject(dc, run.kind == ScriptKind::Plain ? baseFont : scriptFont);
        extents.push_back(measure(dc, wideRuns.back()));
    }
    const ScriptedLayout layout =
        layoutScriptedRuns(runs, extents, w, h, metrics.tmHeight, rect, alignment);
    const RECT clipRect = toRect(clip);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SelectObject(dc, runs[i].kind == ScriptKind::Plain ? baseFont : scriptFont);
        ExtTextOutW(dc, layout.positions[i].x, layout.positions[i].y, ETO_CLIPPED, &clipRect,
                    wideRuns[i].c_str(), static_cast<UINT>(wideRuns[i].size()), nullptr);
    }
    // `saved` restores the DC, and with it the font that was selected before.
}

void PaintInfoPanel(HDC dc, PagePaintResources& resources, const MainWindowLook& look) {
    const PageGeometry& page = look.page;
    const PageSizes& sizes = page.sizes;
    const Palette& palette = look.palette;

    SetBkColor(dc, palette.headerBand);
    const int nameWidth = DrawLabel(dc, look.productName.c_str(), page.productName.x,
                                    page.productName.y, sizes.productNameHeight);
    const int labelX = headerLabelColumn(nameWidth, page.scale);
    const int versionWidth =
        DrawLabel(dc, "Version", labelX, page.versionRow, sizes.headerTextHeight);
    const int databaseWidth =
        DrawLabel(dc, "Database", labelX, page.databaseRow, sizes.headerTextHeight);
    const int valueX = headerValueColumn(nameWidth, versionWidth, databaseWidth, page.scale);
    DrawLabel(dc, look.programVersion.c_str(), valueX, page.versionRow, sizes.headerTextHeight);
    DrawLabel(dc, look.databaseVersion.c_str(), valueX, page.databaseRow, sizes.headerTextHeight);

    SetBkColor(dc, palette.page);
    DrawLabel(dc, INPUT_PANEL_TITLE, page.inputTitle.x, page.inputTitle.y, sizes.panelTitleHeight);
    DrawLabel(dc, RECOMMENDATION_TITLE, page.recommendationTitle.x, page.recommendationTitle.y,
              sizes.panelTitleHeight);

    DrawScriptedText(dc, flowLineText(look.units, look.flowRate), page.flowLine, 0,
                     sizes.flowLineHeight, page.flowLineClip);

    DrawLabel(dc, SELECTION_HINT, page.hint.x, page.hint.y, sizes.hintHeight);

    for (std::size_t i = 0; i < CAPTION_ROWS; ++i) {
        const InputRowText& row = INPUT_ROW_TEXTS[i];
        const int y = page.captionRows[i];
        DrawLabel(dc, row.caption, page.captionColumn, y, sizes.captionHeight);
        DrawLabel(dc, UnitLabel(look.units, row.unitKind), page.unitColumn, y, sizes.captionHeight);
    }

    SetTextColor(dc, palette.markerLetter);
    for (const auto* markers : {&page.captionMarkers, &page.pictureMarkers}) {
        for (std::size_t i = 0; i < markers->size(); ++i) {
            DrawLetterMarker(dc, resources, (*markers)[i].x, (*markers)[i].y, sizes.markerDiameter,
                             static_cast<int>(i), palette.markerFill, sizes.frameLine, page.scale);
        }
    }
}

void paintMainWindowContent(HDC dc, const MainWindowLook& look, PagePaintResources& resources) {
    const PageGeometry& page = look.page;
    const Palette& palette = look.palette;
    fill(dc, resources, page.page, palette.page);
    fill(dc, resources, page.headerBand, palette.headerBand);
    drawPanelFrame(dc, resources, page.inputPanel, palette, page.sizes.frameLine);
    drawPanelFrame(dc, resources, page.recommendationPanel, palette, page.sizes.frameLine);

    drawBitmapFitted(dc, resources.logo(page.scale.dpi), page.logo.x, page.logo.y,
                     page.sizes.logo.width, page.sizes.logo.height);
    drawPicture(dc, resources, look);

    SetBkColor(dc, palette.page);
    SetTextColor(dc, palette.pageText);
    PaintInfoPanel(dc, resources, look);
}
