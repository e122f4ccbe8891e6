#include "ui/main/StyledButton.h"

#include "win32/Drawing.h"
#include "win32/GdiGuards.h"
#include "win32/OffscreenCanvas.h"
#include "win32/Text1252.h"
#include "win32/WindowText.h"

#include <commctrl.h>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int TOOLTIP_WIDTH = 300;
// At 96 DPI: the focus ring lies 4 pixels inside the edge and is 1 pixel
// wide; the caption keeps 2 pixels from the ring; the face and the caption
// move 1 pixel when the button is pushed, and a disabled caption's engraving
// is 1 pixel deep.
constexpr int FOCUS_INSET = 4;
constexpr int FOCUS_RING_WIDTH = 1;
constexpr int CAPTION_MARGIN = 2;
constexpr int PRESS_SHIFT = 1;

ShadeColour toShade(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// An 8-bit image of width x height whose every row is `row`, with the
// given palette.
UniqueBitmap makePaletteImage(HDC reference, const ShadePalette& palette,
                              const std::vector<std::uint8_t>& row, int width, int height) {
    if (width <= 0 || height <= 0 || row.size() < static_cast<std::size_t>(width)) {
        return {};
    }
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height; // top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        info.colours[i].rgbRed = static_cast<BYTE>(palette[i].red);
        info.colours[i].rgbGreen = static_cast<BYTE>(palette[i].green);
        info.colours[i].rgbBlue = static_cast<BYTE>(palette[i].blue);
    }
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(reference, reinterpret_cast<BITMAPINFO*>(&info),
                                         DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        return {};
    }
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    auto* target = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        std::memcpy(target + stride * static_cast<std::size_t>(y), row.data(),
                    static_cast<std::size_t>(width));
    }
    GdiFlush();
    return bitmap;
}

// A one-pixel border: the top and left lines in the system colour
// `topLeft`, the right and bottom lines in `bottomRight`.
void drawFlatBorder(HDC dc, const RECT& edge, int topLeft, int bottomRight) {
    drawTwoToneFrame(dc, edge, GetSysColor(topLeft), GetSysColor(bottomRight));
}

} // namespace

StyledButton::StyledButton() : textColour_(GetSysColor(COLOR_BTNTEXT)) {}

StyledButton::~StyledButton() = default;

void StyledButton::onAttached() {
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    isFlat_ = (style & BS_FLAT) != 0;
    textFormat_ = DT_VCENTER | DT_SINGLELINE;
    switch (style & BS_CENTER) {
    case BS_LEFT:
        textFormat_ |= DT_LEFT;
        break;
    case BS_RIGHT:
        textFormat_ |= DT_RIGHT;
        break;
    default:
        textFormat_ |= DT_CENTER;
        break;
    }
    SetWindowLongPtrW(hwnd(), GWL_STYLE,
                      (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void StyledButton::SetTooltipText(const std::string& text) {
    if (tooltip_) {
        tooltip_.setText(widen1252(text));
    } else if (hwnd() != nullptr) {
        tooltip_.create(hwnd(), widen1252(text), scale_(TOOLTIP_WIDTH));
    }
}

COLORREF StyledButton::setTextColour(COLORREF colour) {
    const COLORREF old = textColour_;
    textColour_ = colour;
    return old;
}

void StyledButton::setShade(int style, int granularity, int highlight, int coloring,
                            COLORREF blendColour, COLORREF colourLeft, COLORREF colourMiddle,
                            COLORREF colourRight) {
    face_ = {};
    faceHover_ = {};
    facePressed_ = {};
    faceDisabled_ = {};
    faces_ = {};
    if (hwnd() == nullptr || style != 3) {
        return;
    }
    RECT rect{};
    GetWindowRect(hwnd(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    ShadeParameters parameters;
    parameters.granularity = granularity;
    parameters.highlight = highlight;
    parameters.coloring = coloring;
    parameters.blendColour = toShade(blendColour);
    parameters.left = toShade(colourLeft);
    parameters.middle = toShade(colourMiddle);
    parameters.right = toShade(colourRight);
    ShadeFaces faces = makeShadeFaces(parameters, width, [] { return std::rand(); });

    WindowDC reference(hwnd());
    auto image = [&](const ShadePalette& palette, const std::vector<std::uint8_t>& row, int w,
                     int h) {
        Image made;
        made.bitmap = makePaletteImage(reference.get(), palette, row, w, h);
        if (made.bitmap) {
            made.width = w;
            made.height = h;
        }
        return made;
    };
    face_ = image(faces.facePalette, faces.columnIndices, width, height);
    faceDisabled_ = image(faces.facePalette, faces.columnIndices, width, height);
    faceHover_ = image(faces.hoverPalette, faces.columnIndices, width, height);
    facePressed_ = image(faces.hoverPalette, faces.columnIndices, width, height);

    faces_ = std::move(faces);
}

std::optional<LRESULT> StyledButton::handleReflected(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_DRAWITEM) {
        return std::nullopt;
    }
    draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

bool StyledButton::cursorOverButton() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT window{};
    GetWindowRect(hwnd(), &window);
    return PtInRect(&window, cursor) != FALSE;
}

bool StyledButton::isPushed() const {
    return (SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void StyledButton::redraw() const {
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void StyledButton::drawImage(HDC dc, const Image& image, int x, int y) const {
    copyBitmap(dc, image.bitmap.get(), x, y, image.width, image.height);
}

// A ring inside the edge, in a colour that stands out from every face colour
// (the caption's white on the blue face).
void StyledButton::drawFocusRing(HDC dc, const RECT& rect) const {
    RECT ring = rect;
    InflateRect(&ring, -scale_(FOCUS_INSET), -scale_(FOCUS_INSET));
    const ShadeColour colour = focusRingColour(faces_, toShade(textColour_));
    UniqueBrush brush(CreateSolidBrush(RGB(colour.red, colour.green, colour.blue)));
    for (int line = 0; line < scale_(FOCUS_RING_WIDTH); ++line) {
        FrameRect(dc, &ring, brush.get());
        InflateRect(&ring, -1, -1);
    }
}

// The access key's underline follows the keyboard cues: hidden while the
// system says so for this window (ODS_NOACCEL). The marker is taken out of
// the text rather than left to DT_HIDEPREFIX, which not every DrawText honours.
void StyledButton::drawCaption(HDC dc, RECT rect, COLORREF colour, UINT itemState) const {
    std::wstring caption = windowText(hwnd());
    if ((itemState & ODS_NOACCEL) != 0) {
        caption = captionWithoutAccessKey(caption);
    }
    SetTextColor(dc, colour);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, textFormat_);
}

void StyledButton::draw(const DRAWITEMSTRUCT& item) {
    if (mouseDown_ && GetCapture() == hwnd()) {
        const bool over = cursorOverButton();
        const bool pushed = isPushed();
        if (over && !pushed) {
            SendMessageW(hwnd(), BM_SETSTATE, TRUE, 0);
            return;
        }
        if (!over && pushed) {
            SendMessageW(hwnd(), BM_SETSTATE, FALSE, 0);
            return;
        }
    }

    const RECT whole = item.rcItem;
    OffscreenCanvas canvas(item.hDC, whole);
    const HDC dc = canvas.dc();
    SetBkMode(dc, TRANSPARENT);
    SelectGuard selectedFont(dc, font_ != nullptr ? static_cast<HGDIOBJ>(font_)
                                                  : GetStockObject(DEFAULT_GUI_FONT));

    RECT textRect = whole;
    textRect.left += scale_(FOCUS_INSET + CAPTION_MARGIN);
    textRect.right -= scale_(FOCUS_INSET + CAPTION_MARGIN);

    if ((item.itemState & ODS_DISABLED) != 0) {
        drawImage(dc, faceDisabled_, whole.left, whole.top);
        if (hasBorder_ && !isFlat_) {
            RECT edge = whole;
            DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
        }
        drawCaption(dc, textRect, GetSysColor(COLOR_BTNHIGHLIGHT), item.itemState);
        RECT engraved = textRect;
        OffsetRect(&engraved, -scale_(PRESS_SHIFT), -scale_(PRESS_SHIFT));
        drawCaption(dc, engraved, GetSysColor(COLOR_GRAYTEXT), item.itemState);
        return;
    }

    RECT edge = whole;
    if ((item.itemState & ODS_SELECTED) != 0) {
        drawImage(dc, facePressed_, whole.left + scale_(PRESS_SHIFT),
                  whole.top + scale_(PRESS_SHIFT));
        if (pressOffset_) {
            OffsetRect(&textRect, scale_(PRESS_SHIFT), scale_(PRESS_SHIFT));
        }
        if (hasBorder_) {
            if (isFlat_) {
                // top-left shadow, bottom-right highlight
                drawFlatBorder(dc, edge, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
            } else {
                DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
            }
        }
    } else {
        drawImage(dc, hovering_ ? faceHover_ : face_, whole.left, whole.top);
        if (hasBorder_ && (hovering_ || !isFlat_)) {
            if ((item.itemState & ODS_DEFAULT) != 0) {
                DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
                RECT inner = edge;
                InflateRect(&inner, -1, -1);
                DrawEdge(dc, &inner, EDGE_RAISED, BF_RECT);
            } else if (isFlat_) {
                drawFlatBorder(dc, edge, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
            } else {
                DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
            }
        }
    }

    // ODS_NOFOCUSRECT: the system hides focus cues until the keyboard is
    // used in this window, so a mouse click leaves no ring behind.
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        drawFocusRing(dc, whole);
    }
    drawCaption(dc, textRect, textColour_, item.itemState);
}

LRESULT StyledButton::onMouseMove(WPARAM wParam, LPARAM lParam) {
    tooltip_.relay(WM_MOUSEMOVE, wParam, lParam);
    if (mouseDown_ && GetCapture() == hwnd()) {
        const bool over = cursorOverButton();
        if (over != isPushed()) {
            SendMessageW(hwnd(), BM_SETSTATE, over ? TRUE : FALSE, 0);
            redraw();
        }
    } else if (!hovering_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = hwnd();
        if (TrackMouseEvent(&track)) {
            hovering_ = true;
            redraw();
        }
    }
    return defaultHandling(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT StyledButton::onMouseLeave(WPARAM wParam, LPARAM lParam) {
    hovering_ = false;
    redraw();
    return defaultHandling(WM_MOUSELEAVE, wParam, lParam);
}

LRESULT StyledButton::onLButtonDown(WPARAM wParam, LPARAM lParam) {
    tooltip_.relay(WM_LBUTTONDOWN, wParam, lParam);
    if (hovering_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE | TME_CANCEL;
        track.hwndTrack = hwnd();
        TrackMouseEvent(&track);
        hovering_ = false;
    }
    const LRESULT result = defaultHandling(WM_LBUTTONDOWN, wParam, lParam);
    mouseDown_ = true;
    return result;
}

LRESULT StyledButton::onLButtonUp(WPARAM wParam, LPARAM lParam) {
    tooltip_.relay(WM_LBUTTONUP, wParam, lParam);
    mouseDown_ = false;
    return defaultHandling(WM_LBUTTONUP, wParam, lParam);
}

LRESULT StyledButton::onKillFocus(WPARAM wParam, LPARAM lParam) {
    if (GetCapture() == hwnd()) {
        ReleaseCapture();
        mouseDown_ = false;
    }
    return defaultHandling(WM_KILLFOCUS, wParam, lParam);
}

LRESULT StyledButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        return onMouseMove(wParam, lParam);
    case WM_MOUSELEAVE:
        return onMouseLeave(wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a double click counts as two clicks
        return onLButtonDown(wParam, lParam);
    case WM_LBUTTONUP:
        return onLButtonUp(wParam, lParam);
    case WM_KILLFOCUS:
        return onKillFocus(wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE;
    case WM_DESTROY:
        tooltip_.destroy();
        return defaultHandling(message, wParam, lParam);
    default:
        return defaultHandling(message, wParam, lParam);
    }
}
