#include "win32/ControlTooltip.h"
#include <commctrl.h>

namespace {

TOOLINFOW toolFor(HWND control, UINT_PTR toolId, wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = control;
    tool.uId = toolId;
    tool.lpszText = text;
    return tool;
}

} // namespace

HWND createControlTooltip(HWND control, UINT_PTR toolId, wchar_t* text) {
    HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   control, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip == nullptr) {
        return nullptr;
    }
    TOOLINFOW tool = toolFor(control, toolId, text);
    GetClientRect(control, &tool.rect);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tooltip;
}

void setControlTooltipText(HWND tooltip, HWND control, UINT_PTR toolId, wchar_t* text) {
    TOOLINFOW tool = toolFor(control, toolId, text);
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void relayMouseToTooltip(HWND tooltip, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (tooltip == nullptr) {
        return;
    }
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    msg.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
