#include "win32/ControlTooltip.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR TOOL_ID = 1; // the one tool of the tooltip

TOOLINFOW toolOf(HWND control, std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = control;
    tool.uId = TOOL_ID;
    tool.lpszText = text.data();
    return tool;
}

} // namespace

bool ControlTooltip::create(HWND control, const std::wstring& text, int maxWidth) {
    destroy();
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               control, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip_ == nullptr) {
        return false;
    }
    control_ = control;
    text_ = text;
    TOOLINFOW added = toolOf(control_, text_);
    GetClientRect(control, &added.rect);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&added));
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    if (maxWidth > 0) {
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    }
    return true;
}

void ControlTooltip::setText(const std::wstring& text) {
    if (tooltip_ == nullptr) {
        return;
    }
    text_ = text;
    TOOLINFOW changed = toolOf(control_, text_);
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&changed));
}

void ControlTooltip::relay(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (tooltip_ == nullptr) {
        return;
    }
    MSG msg{};
    msg.hwnd = control_;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    msg.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void ControlTooltip::destroy() noexcept {
    if (tooltip_ != nullptr) {
        DestroyWindow(tooltip_);
        tooltip_ = nullptr;
    }
    control_ = nullptr;
}
