#include "tests/gui/MainWindowLookSupport.h"

#include "tests/gui/GuiHarness.h"
#include "ui/controls/LookFont.h"
#include "ui/main/MainWindowPainter.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace look_test {

namespace {

constexpr ULONG_PTR kDialogClassAtom = 32770; // "#32770"

void appendWord(std::vector<WORD>& out, WORD value) {
    out.push_back(value);
}

void appendDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void appendString(std::vector<WORD>& out, const std::wstring& text) {
    for (wchar_t c : text) {
        out.push_back(static_cast<WORD>(c));
    }
    out.push_back(0);
}

void alignDword(std::vector<WORD>& out) {
    if (out.size() % 2 != 0) {
        out.push_back(0);
    }
}

// DLGTEMPLATE, its font, then one DLGITEMTEMPLATE per control.
std::vector<WORD> buildTemplate(const std::vector<ControlEntry>& controls) {
    std::vector<WORD> out;
    appendDword(out, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_SETFONT);
    appendDword(out, 0);
    appendWord(out, static_cast<WORD>(controls.size()));
    appendWord(out, 0);   // x
    appendWord(out, 0);   // y
    appendWord(out, 200); // cx
    appendWord(out, 150); // cy
    appendWord(out, 0);   // no menu
    appendWord(out, 0);   // standard class
    appendString(out, L"Look test");
    appendWord(out, 8);
    appendString(out, L"MS Shell Dlg");
    for (const ControlEntry& control : controls) {
        alignDword(out);
        appendDword(out, control.style | WS_CHILD | WS_VISIBLE);
        appendDword(out, 0);
        appendWord(out, static_cast<WORD>(control.x));
        appendWord(out, static_cast<WORD>(control.y));
        appendWord(out, static_cast<WORD>(control.cx));
        appendWord(out, static_cast<WORD>(control.cy));
        appendWord(out, static_cast<WORD>(control.id));
        appendString(out, control.className);
        appendString(out, control.text);
        appendWord(out, 0); // no creation data
    }
    return out;
}

} // namespace

TestDialog::~TestDialog() {
    destroy();
}

bool TestDialog::create(const std::vector<ControlEntry>& controls, int clientWidth,
                        int clientHeight) {
    const std::vector<WORD> words = buildTemplate(controls);
    // The template must be DWORD-aligned: copy it into storage that is.
    std::vector<DWORD> aligned((words.size() + 1) / 2, 0);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    const auto* dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(aligned.data());
    if (CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, nullptr,
                                   &Dialog::dialogProcedure,
                                   reinterpret_cast<LPARAM>(static_cast<Dialog*>(this))) ==
        nullptr) {
        return false;
    }
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)));
    SetWindowPos(hwnd(), HWND_TOP, 40, 40, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
    Pump(50);
    return true;
}

void TestDialog::destroy() {
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
        Pump();
    }
}

void TestDialog::placeControl(int id, int x, int y, int width, int height) {
    SetWindowPos(item(id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int TestDialog::countNotifications(int id, int code) const {
    int count = 0;
    for (const Notification& n : notifications) {
        if (n.id == id && n.code == code) {
            ++count;
        }
    }
    return count;
}

bool TestDialog::onInitDialog() {
    if (onInit) {
        onInit(*this);
    }
    return true;
}

bool TestDialog::onCommand(int controlId, UINT code, HWND) {
    notifications.push_back({controlId, static_cast<int>(code)});
    return false;
}

std::optional<LRESULT> TestDialog::onNotify(const NMHDR& header) {
    return onMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::optional<LRESULT> TestDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (messageHook && messageHook(message, wParam, lParam, result)) {
        return result;
    }
    return std::nullopt;
}

void Pump(int milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // Keys for a dialog go through the dialog manager (Tab, Enter,
            // access keys), as in a modal dialog's loop.
            const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
            if (root != nullptr && GetClassLongPtrW(root, GCW_ATOM) == kDialogClassAtom &&
                IsDialogMessageW(root, &msg)) {
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (milliseconds > 0) {
            Sleep(5);
        }
    } while (static_cast<int>(GetTickCount() - start) < milliseconds);
}

void RepaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(20);
}

Capture::Capture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    // No DCX_CLIPCHILDREN: the children's pixels are part of the copy.
    HDC source = GetDCEx(window, nullptr, DCX_CACHE);
    pixels_ = gui::Render(client.right, client.bottom, [&](HDC memory) {
        BitBlt(memory, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    });
    ReleaseDC(window, source);
    if (!pixels_.empty()) {
        width_ = client.right;
        height_ = client.bottom;
    }
}

Capture::~Capture() = default;

COLORREF Capture::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                    static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Capture::count(const RECT& area, COLORREF colour) const {
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (at(x, y) == colour) {
                ++found;
            }
        }
    }
    return found;
}

int Capture::differences(const Capture& other, const RECT& area) const {
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            found += at(x, y) != other.at(x, y) ? 1 : 0;
        }
    }
    return found;
}

RECT Capture::bounds(const RECT& area, COLORREF colour) const {
    RECT box{area.right, area.bottom, area.left, area.top};
    bool any = false;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (at(x, y) == colour) {
                any = true;
                box.left = x < box.left ? x : box.left;
                box.top = y < box.top ? y : box.top;
                box.right = x + 1 > box.right ? x + 1 : box.right;
                box.bottom = y + 1 > box.bottom ? y + 1 : box.bottom;
            }
        }
    }
    return any ? box : RECT{0, 0, 0, 0};
}

void MoveMouseTo(HWND window, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(window, &point);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((point.x * 65536 + screenWidth / 2) / screenWidth);
    input.mi.dy = static_cast<LONG>((point.y * 65536 + screenHeight / 2) / screenHeight);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Pump(30);
}

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Pump(30);
}

void SaveIfRequested(const Capture& capture, const std::string& name) {
    gui::SavePictureIfAsked(name, capture.width(), capture.height(), capture.pixels());
}

TextSize MeasureArial(int height, const wchar_t* text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, lookFont(height));
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {size.cx, metrics.tmDescent};
}

std::string Describe(COLORREF colour) {
    if (colour == CLR_INVALID) {
        return "invalid";
    }
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

} // namespace look_test
