#include "ui/main/ResultsList.h"

#include "resources/ResourceIds.h"
#include "ui/controls/LookFont.h"
#include "ui/main/rules/BitmapSets.h"
#include "win32/Drawing.h"
#include "win32/GdiGuards.h"
#include "win32/Unique.h"

#include <commctrl.h>

namespace {

// The header's pieces at 96 DPI: every piece's height, the edges' width, the
// tile's width, and the captions' inset within their columns.
constexpr int HEADER_PIECE_HEIGHT = 20;
constexpr int HEADER_EDGE_WIDTH = 2;
constexpr int HEADER_TILE_WIDTH = 1;
constexpr int HEADER_CAPTION_INSET = 2;
constexpr UINT CAPTION_FORMAT = DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

} // namespace

void ResultsList::onAttached() {
    const HWND headerWindow = ListView_GetHeader(hwnd());
    if (headerWindow != nullptr) {
        header_.attachWindow(headerWindow);
    }
}

void ResultsList::setUpScrollBars() {
    if (hwnd() == nullptr) {
        return;
    }
    InitializeFlatSB(hwnd());
    FlatSB_EnableScrollBar(hwnd(), SB_BOTH, ESB_DISABLE_BOTH);
}

std::optional<LRESULT> ResultsList::handleReflected(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY) {
        return std::nullopt;
    }
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW)) {
        return std::nullopt;
    }
    return onCustomDraw(*reinterpret_cast<const NMLVCUSTOMDRAW*>(lParam));
}

LRESULT ResultsList::onCustomDraw(const NMLVCUSTOMDRAW& constDraw) {
    // The control reads the colours and the item state back from the
    // notification it sent.
    auto& draw = const_cast<NMLVCUSTOMDRAW&>(constDraw);
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        if ((draw.nmcd.uItemState & CDIS_SELECTED) != 0) {
            // Drawn with these colours, not the platform's highlight: the
            // drawing is told the item is not selected. The item's own state
            // stays as it is, so painting raises no change notification.
            draw.clrText = palette_.resultsSelectedText;
            draw.clrTextBk = palette_.resultsSelectedBack;
            draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
        }
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void ResultsList::setPalette(const Palette& palette) {
    palette_ = palette;
    if (header_.hwnd() != nullptr) {
        InvalidateRect(header_.hwnd(), nullptr, FALSE);
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ResultsList::setDpi(int dpi) {
    header_.setDpi(dpi);
}

void ResultsList::fitColumns() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const HWND headerWindow = ListView_GetHeader(hwnd());
    const int count = headerWindow != nullptr ? Header_GetItemCount(headerWindow) : 0;
    if (count <= 0) {
        return;
    }
    const int width = (client.right - client.left) / count;
    for (int column = 0; column < count; ++column) {
        if (ListView_GetColumnWidth(hwnd(), column) != width) {
            ListView_SetColumnWidth(hwnd(), column, width);
        }
    }
}

// The copy must never cover the header.
void ResultsList::excludeFromPaint(HDC target) {
    if (header_.hwnd() == nullptr) {
        return;
    }
    RECT headerRect{};
    GetWindowRect(header_.hwnd(), &headerRect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&headerRect), 2);
    ExcludeClipRect(target, headerRect.left, headerRect.top, headerRect.right, headerRect.bottom);
}

void ResultsList::paintContent(HDC dc, const RECT&, bool) {
    RECT clip{};
    GetClipBox(dc, &clip);
    fillSolid(dc, clip, palette_.resultsRowBack);
    ListView_SetTextBkColor(hwnd(), palette_.resultsRowBack);
    ListView_SetTextColor(hwnd(), palette_.resultsRowText);
    defaultHandling(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

LRESULT ResultsList::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto painted = handlePaintMessage(hwnd(), message, wParam)) {
        return *painted;
    }
    if (message == WM_SIZE) {
        // The client narrows when the vertical scroll bar appears and widens
        // when it goes: the columns follow, so no horizontal bar shows.
        const LRESULT result = defaultHandling(message, wParam, lParam);
        fitColumns();
        return result;
    }
    return defaultHandling(message, wParam, lParam);
}

void ResultsList::Header::setDpi(int dpi) {
    if (dpi == dpi_) {
        return;
    }
    if (bitmapSetPercent(dpi) != bitmapSetPercent(dpi_)) {
        resourcesMade_ = false;
    }
    dpi_ = dpi;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void ResultsList::Header::makeResources() {
    if (resourcesMade_) {
        return;
    }
    tile_ = loadBitmapResource(bitmapResourceAt(IDB_HEADER_TILE, dpi_));
    leftEdge_ = loadBitmapResource(bitmapResourceAt(IDB_HEADER_LEFT, dpi_));
    rightEdge_ = loadBitmapResource(bitmapResourceAt(IDB_HEADER_RIGHT, dpi_));
    resourcesMade_ = true;
}

void ResultsList::Header::paintContent(HDC dc, const RECT&, bool) {
    makeResources();
    const DpiScale s{dpi_};
    const int pieceHeight = s(HEADER_PIECE_HEIGHT);
    const int edgeWidth = s(HEADER_EDGE_WIDTH);
    const int tileWidth = s(HEADER_TILE_WIDTH);
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool flat = palette_.systemColours;
    fillSolid(dc, client, flat ? palette_.resultsHeaderBack : palette_.resultsRowBack);
    if (!flat) {
        drawBitmapFitted(dc, tile_.get(), edgeWidth, 0, client.right - client.left, pieceHeight);
    }

    SelectGuard selectedFont(dc, lookFont(s(TEXT_FONT_HEIGHT)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette_.resultsCaptionText);
    const int count = Header_GetItemCount(hwnd());
    for (int index = 0; index < count; ++index) {
        wchar_t caption[256] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_ORDER;
        item.pszText = caption;
        item.cchTextMax = 255;
        SendMessageW(hwnd(), HDM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        RECT rect{};
        SendMessageW(hwnd(), HDM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&rect));

        if (flat) {
            // A line one pixel wide (at 96 DPI) in the caption colour ends
            // each column.
            fillSolid(dc, RECT{rect.right - tileWidth, rect.top, rect.right, rect.bottom},
                      palette_.resultsCaptionText);
        } else if (item.iOrder == 0) {
            drawBitmapFitted(dc, leftEdge_.get(), rect.left, rect.top, edgeWidth, pieceHeight);
        } else {
            drawBitmapFitted(dc, tile_.get(), rect.left + tileWidth, rect.top, tileWidth,
                             pieceHeight);
        }
        if (!flat) {
            drawBitmapFitted(dc, rightEdge_.get(), rect.right - edgeWidth, 0, edgeWidth,
                             pieceHeight);
        }

        RECT textRect = rect;
        InflateRect(&textRect, -s(HEADER_CAPTION_INSET), -s(HEADER_CAPTION_INSET));
        DrawTextW(dc, caption, -1, &textRect, CAPTION_FORMAT);
    }
}

LRESULT ResultsList::Header::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto painted = handlePaintMessage(hwnd(), message, wParam)) {
        return *painted;
    }
    return defaultHandling(message, wParam, lParam);
}
