#include "ui/controls/HyperlinkLabel.h"

#include "win32/Drawing.h"
#include "win32/GdiGuards.h"
#include "win32/Text1252.h"
#include "win32/WindowText.h"

#include <algorithm>

namespace {

constexpr UINT HOVER_PERIOD_MS = 100;
constexpr WORD WINHELP_LINK_CURSOR = 106;

} // namespace

HyperlinkLabel::HyperlinkLabel() : background_(GetSysColor(COLOR_BTNFACE)) {}

HyperlinkLabel::~HyperlinkLabel() = default;

COLORREF HyperlinkLabel::currentTextColour() const noexcept {
    if (hovering_) {
        return hover_;
    }
    return visitedOnce_ ? visited_ : unvisited_;
}

std::wstring HyperlinkLabel::caption() const {
    return windowText(hwnd());
}

void HyperlinkLabel::onAttached() {
    // Clicks are notified, and the keyboard reaches the link by Tab.
    SetWindowLongPtrW(hwnd(), GWL_STYLE,
                      GetWindowLongPtrW(hwnd(), GWL_STYLE) | SS_NOTIFY | WS_TABSTOP);

    const std::wstring text = caption();
    if (target_.empty()) {
        target_ = narrow1252(text);
    }
    if (text.empty()) {
        SetWindowTextW(hwnd(), widen1252(target_).c_str());
    }

    makeFonts(reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    resizeToText();
    loadLinkCursor();
    tooltip_.create(hwnd(), widen1252(target_));
}

// The label's two fonts, copies of `from` (of the system's GUI font when
// there is none), the second underlined.
void HyperlinkLabel::makeFonts(HFONT from) {
    HFONT font = from;
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    }
    LOGFONTW logical{};
    GetObjectW(font, sizeof logical, &logical);
    normalFont_.reset(CreateFontIndirectW(&logical));
    logical.lfUnderline = TRUE;
    underlinedFont_.reset(CreateFontIndirectW(&logical));
}

void HyperlinkLabel::SetTarget(const std::string& target) {
    target_ = target;
    if (hwnd() == nullptr) {
        return;
    }
    resizeToText();
    tooltip_.setText(widen1252(target_));
}

void HyperlinkLabel::SetColours(COLORREF background, COLORREF unvisited, COLORREF visited,
                                COLORREF hover) {
    background_ = background;
    unvisited_ = unvisited;
    visited_ = visited;
    hover_ = hover == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_HIGHLIGHT) : hover;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

void HyperlinkLabel::resizeToText() {
    if (!autoSize_ || hwnd() == nullptr) {
        return;
    }
    const std::wstring text = caption();
    SIZE textSize{};
    {
        WindowDC dc(hwnd());
        SelectGuard selected(dc.get(), underlinedFont_.get());
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &textSize);
    }
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const int width = textSize.cx + (window.right - window.left) - (client.right - client.left);
    const int height = textSize.cy + (window.bottom - window.top) - (client.bottom - client.top);
    POINT topLeft{window.left, window.top};
    ScreenToClient(GetParent(hwnd()), &topLeft);
    SetWindowPos(hwnd(), nullptr, topLeft.x, topLeft.y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void HyperlinkLabel::loadLinkCursor() {
    wchar_t directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring path = std::wstring(directory, length) + L"\\winhlp32.exe";
        UniqueModule module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        if (module) {
            const HCURSOR cursor = LoadCursorW(module.get(), MAKEINTRESOURCEW(WINHELP_LINK_CURSOR));
            if (cursor != nullptr) {
                cursor_.reset(static_cast<HCURSOR>(CopyIcon(cursor)));
            }
        }
    }
    if (!cursor_) {
        // Where the help viewer's cursor is missing, the system's hand.
        const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
        if (hand != nullptr) {
            cursor_.reset(static_cast<HCURSOR>(CopyIcon(hand)));
        }
    }
}

std::optional<LRESULT> HyperlinkLabel::handleReflected(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, currentTextColour());
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED) {
            open();
            return 0;
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// A click, Enter or Space.
void HyperlinkLabel::open() {
    hovering_ = false;
    HyperlinkOpener& opener = opener_ != nullptr ? *opener_ : defaultHyperlinkOpener();
    const int result = openHyperlinkTarget(opener, target_, SW_SHOW);
    if (result > 32) {
        visitedOnce_ = true;
        InvalidateRect(hwnd(), nullptr, TRUE);
    } else {
        opener.reportFailure(GetParent(hwnd()), result);
    }
}

LRESULT HyperlinkLabel::onMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!hovering_) {
        hovering_ = true;
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(underlinedFont_.get()), TRUE);
        InvalidateRect(hwnd(), nullptr, TRUE);
        SetTimer(hwnd(), HOVER_TIMER_ID, HOVER_PERIOD_MS, nullptr);
    }
    return defaultHandling(WM_MOUSEMOVE, wParam, lParam);
}

LRESULT HyperlinkLabel::onTimer(WPARAM wParam, LPARAM lParam) {
    const DWORD position = GetMessagePos();
    POINT cursor{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ScreenToClient(hwnd(), &cursor);
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (PtInRect(&client, cursor) == FALSE) {
        hovering_ = false;
        KillTimer(hwnd(), HOVER_TIMER_ID);
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(normalFont_.get()), TRUE);
        client.bottom += 10;
        InvalidateRect(hwnd(), &client, TRUE);
    }
    return defaultHandling(WM_TIMER, wParam, lParam);
}

LRESULT HyperlinkLabel::onEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    fillSolid(dc, client, background_);
    return TRUE;
}

LRESULT HyperlinkLabel::onSetCursor(WPARAM wParam, LPARAM lParam) {
    if (cursor_) {
        SetCursor(cursor_.get());
        return TRUE;
    }
    return defaultHandling(WM_SETCURSOR, wParam, lParam);
}

// The dialog manager keeps Enter for the default button and Space for
// nothing: asked about those keys, the link says it wants them.
LRESULT HyperlinkLabel::onGetDlgCode(WPARAM wParam, LPARAM lParam) {
    LRESULT code = defaultHandling(WM_GETDLGCODE, wParam, lParam);
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message != nullptr && message->message == WM_KEYDOWN &&
        (message->wParam == VK_RETURN || message->wParam == VK_SPACE)) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

// Opens on the first press of Enter or Space; a held key opens once.
LRESULT HyperlinkLabel::onKeyDown(WPARAM wParam, LPARAM lParam) {
    const bool repeated = (lParam & (LPARAM{1} << 30)) != 0;
    if ((wParam == VK_RETURN || wParam == VK_SPACE) && !repeated) {
        open();
        return 0;
    }
    return defaultHandling(WM_KEYDOWN, wParam, lParam);
}

// A static draws no focus: repaint so that onPaint adds or drops the rectangle.
LRESULT HyperlinkLabel::onFocusChange(UINT message, WPARAM wParam, LPARAM lParam) {
    InvalidateRect(hwnd(), nullptr, TRUE);
    return defaultHandling(message, wParam, lParam);
}

// With the focus: the static paints its text into this paint's device
// context, then a dotted rectangle in the text's colour goes round the text
// (the label may be wider than its text when its window lays it out).
LRESULT HyperlinkLabel::onPaint(WPARAM wParam, LPARAM lParam) {
    if (wParam != 0 || GetFocus() != hwnd()) {
        return defaultHandling(WM_PAINT, wParam, lParam);
    }
    PaintScope paint(hwnd());
    const HDC dc = paint.dc();
    defaultHandling(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    const std::wstring text = caption();
    SIZE textSize{};
    {
        SelectGuard font(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    const LOGBRUSH colour{BS_SOLID, currentTextColour(), 0};
    UniquePen dotted(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &colour, 0, nullptr));
    SelectGuard pen(dc, dotted.get());
    SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, 0, 0, std::min(textSize.cx, client.right), std::min(textSize.cy, client.bottom));
    return 0;
}

void HyperlinkLabel::onDestroy() {
    KillTimer(hwnd(), HOVER_TIMER_ID);
    tooltip_.destroy();
}

// A font other than the label's own two (which the hover switches between)
// comes from outside: both are made again from it.
LRESULT HyperlinkLabel::onSetFont(WPARAM wParam, LPARAM lParam) {
    const auto given = reinterpret_cast<HFONT>(wParam);
    if (given == normalFont_.get() || given == underlinedFont_.get()) {
        return defaultHandling(WM_SETFONT, wParam, lParam);
    }
    makeFonts(given);
    const HFONT shown = hovering_ ? underlinedFont_.get() : normalFont_.get();
    const LRESULT result = defaultHandling(WM_SETFONT, reinterpret_cast<WPARAM>(shown), lParam);
    resizeToText();
    return result;
}

LRESULT HyperlinkLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    tooltip_.relay(message, wParam, lParam);
    switch (message) {
    case WM_SETFONT:
        return onSetFont(wParam, lParam);
    case WM_ERASEBKGND:
        return onEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        return onSetCursor(wParam, lParam);
    case WM_MOUSEMOVE:
        return onMouseMove(wParam, lParam);
    case WM_TIMER:
        return onTimer(wParam, lParam);
    case WM_GETDLGCODE:
        return onGetDlgCode(wParam, lParam);
    case WM_KEYDOWN:
        return onKeyDown(wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return onFocusChange(message, wParam, lParam);
    case WM_PAINT:
        return onPaint(wParam, lParam);
    case WM_DESTROY:
        onDestroy();
        return defaultHandling(message, wParam, lParam);
    default:
        return defaultHandling(message, wParam, lParam);
    }
}
