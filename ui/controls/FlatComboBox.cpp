#include "ui/controls/FlatComboBox.h"

#include "ui/controls/LookFont.h"
#include "win32/Drawing.h"
#include "win32/GdiGuards.h"
#include "win32/Unique.h"
#include "win32/WindowText.h"

#include <string>
#include <utility>

namespace {

// At 96 DPI: the margin after the left edge; how far the face's fill keeps
// from the left piece, the top and the bottom; how far the face text rises;
// how much of an item's rectangle its text leaves free at the bottom.
constexpr int TEXT_MARGIN = 5;
constexpr RECT FILL_INSET{1, 3, 0, 5};
constexpr int TEXT_RISE = 2;
constexpr int ITEM_GAP = 2;

// An outline `width` pixels wide inside `rect`.
void frame(HDC dc, RECT rect, COLORREF colour, int width) {
    UniqueBrush brush(CreateSolidBrush(colour));
    for (int line = 0; line < width; ++line) {
        FrameRect(dc, &rect, brush.get());
        InflateRect(&rect, -1, -1);
    }
}

void drawText(HDC dc, const std::wstring& text, RECT rect, COLORREF colour) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

} // namespace

void FlatComboBox::SetBitmaps(int left, int button, int otherButton, int middle,
                              ComboPieceSizes drawn) {
    const std::pair<Piece*, int> pieces[] = {
        {&left_, left}, {&button_, button}, {&otherButton_, otherButton}, {&middle_, middle}};
    for (const auto& [piece, id] : pieces) {
        piece->id = id;
        piece->bitmap = loadBitmapResource(id);
    }
    drawn_ = drawn;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void FlatComboBox::setDpi(int dpi) {
    scale_.dpi = dpi;
    textOffset_ = scale_(TEXT_OFFSET);
}

void FlatComboBox::setItemHeights(int faceHeight, int itemHeight) {
    if (hwnd() == nullptr) {
        return;
    }
    // The face is the height given to its item and a border the box adds.
    // Systems differ in that border and in how they count the height they
    // are given (Wine reports 2 more than it was given), so the face is
    // measured after each try: two tries find the height to give.
    LRESULT given = CB_ERR;
    for (int attempt = 0; attempt < 2; ++attempt) {
        RECT face{};
        GetClientRect(hwnd(), &face);
        const int shortBy = faceHeight - (face.bottom - face.top);
        if (shortBy == 0) {
            break;
        }
        const LRESULT from =
            given != CB_ERR ? given
                            : SendMessageW(hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        if (from == CB_ERR) {
            break;
        }
        given = from + shortBy;
        SendMessageW(hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), given);
    }
    if (SendMessageW(hwnd(), CB_GETITEMHEIGHT, 0, 0) != itemHeight) {
        SendMessageW(hwnd(), CB_SETITEMHEIGHT, 0, itemHeight);
    }
}

void FlatComboBox::SetFocusColours(COLORREF fill, COLORREF text) {
    focusFill_ = fill;
    focusText_ = text;
}

void FlatComboBox::SetNormalColours(COLORREF fill, COLORREF text) {
    normalFill_ = fill;
    normalText_ = text;
}

void FlatComboBox::paintContent(HDC dc, const RECT&, bool onScreen) {
    RECT client{};
    GetClientRect(hwnd(), &client);

    const HBITMAP leftBitmap = left_.bitmap.get();
    const HBITMAP buttonBitmap = button_.bitmap.get();
    const HBITMAP middleBitmap = middle_.bitmap.get();
    // A piece's drawn size: the one given, else the bitmap's own.
    const auto drawnSize = [](HBITMAP bitmap, int width, int height) {
        const SIZE own = bitmapSize(bitmap);
        return SIZE{width > 0 ? width : own.cx, height > 0 ? height : own.cy};
    };
    const SIZE leftSize = drawnSize(leftBitmap, drawn_.leftWidth, drawn_.height);
    const SIZE buttonSize = drawnSize(buttonBitmap, drawn_.buttonWidth, drawn_.height);
    const SIZE middleSize = drawnSize(middleBitmap, 0, drawn_.height);
    const int wL = leftBitmap != nullptr ? leftSize.cx : 0;
    const int wB = buttonBitmap != nullptr ? buttonSize.cx : 0;

    drawBitmapFitted(dc, leftBitmap, client.left, client.top, leftSize.cx, leftSize.cy);
    drawBitmapFitted(dc, buttonBitmap, client.right - wB, client.top, buttonSize.cx, buttonSize.cy);
    drawBitmapFitted(dc, middleBitmap, client.left + wL, client.top, client.right - wL - wB,
                     middleSize.cy);

    const bool focused = GetFocus() == hwnd();
    const COLORREF fillColour = focused ? focusFill_ : normalFill_;
    const COLORREF textColour = focused ? focusText_ : normalText_;
    fillSolid(dc,
              RECT{client.left + wL + scale_(FILL_INSET.left), client.top + scale_(FILL_INSET.top),
                   client.right - wB, client.bottom - scale_(FILL_INSET.bottom)},
              fillColour);

    const std::wstring text = windowText(hwnd());
    {
        SelectGuard selected(dc, lookFont(scale_(TEXT_FONT_HEIGHT)));
        RECT textRect = client;
        textRect.left += textOffset_;
        textRect.top -= scale_(TEXT_RISE);
        drawText(dc, text, textRect, textColour);
    }

    // The open list is another window: only a paint of the screen draws it.
    if (onScreen && list_ != nullptr) {
        paintList(wL);
    }
}

void FlatComboBox::paintList(int leftWidth) {
    WindowDC listDc(list_);
    const HDC dc = listDc.get();
    if (dc == nullptr) {
        return;
    }
    RECT listRect{};
    GetClientRect(list_, &listRect);
    fillSolid(dc, listRect, normalFill_);
    frame(dc, listRect, focusFill_, scale_(1));
    SelectGuard selected(dc, lookFont(scale_(TEXT_FONT_HEIGHT)));
    const int count = static_cast<int>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) {
            continue;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        RECT item{};
        SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        item.left += leftWidth + scale_(TEXT_MARGIN);
        textOffset_ = item.left;
        drawText(dc, text, item, normalText_);
    }
}

void FlatComboBox::drawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    RECT rect = item.rcItem;
    rect.bottom -= scale_(ITEM_GAP);
    const bool focus = (item.itemState & ODS_FOCUS) != 0;
    const COLORREF textColour = focus ? focusText_ : normalText_;
    if (focus) {
        fillSolid(item.hDC, rect, focusFill_);
    }
    if (list_ != nullptr) {
        RECT listRect{};
        GetClientRect(list_, &listRect);
        WindowDC listDc(list_);
        frame(listDc.get(), listRect, focusFill_, scale_(1));
    }
    const LRESULT length =
        SendMessageW(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(item.itemID), 0);
    std::wstring text;
    if (length != CB_ERR) {
        text.assign(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(item.itemID),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
    }
    SelectGuard selected(item.hDC, lookFont(scale_(TEXT_FONT_HEIGHT)));
    rect.left = textOffset_;
    drawText(item.hDC, text, rect, textColour);
}

void FlatComboBox::swapButtonBitmaps() {
    if (otherButton_.id == 0) {
        return;
    }
    std::swap(button_, otherButton_);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::optional<LRESULT> FlatComboBox::handleReflected(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (HIWORD(wParam)) {
        case CBN_DROPDOWN:
        case CBN_CLOSEUP:
            swapButtonBitmaps();
            return 0;
        case CBN_SELENDCANCEL:
            InvalidateRect(hwnd(), nullptr, TRUE);
            return 0;
        default:
            return std::nullopt; // CBN_SELCHANGE and the rest go to the parent
        }
    default:
        return std::nullopt;
    }
}

LRESULT FlatComboBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto painted = handlePaintMessage(hwnd(), message, wParam)) {
        return *painted;
    }
    switch (message) {
    case WM_CTLCOLORLISTBOX: {
        const auto asking = reinterpret_cast<HWND>(lParam);
        if (list_ == nullptr && asking != nullptr && asking != hwnd()) {
            list_ = asking;
        }
        return defaultHandling(message, wParam, lParam);
    }
    default:
        return defaultHandling(message, wParam, lParam);
    }
}
