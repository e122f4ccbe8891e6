#include "win32/WindowDpi.h"

#include "win32/GdiGuards.h"

namespace {

// A function of a system library, or null where the system lacks it.
template <typename Function> Function systemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) {
        module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

int systemDpi() {
    WindowDC screen(nullptr);
    const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

int windowDpi(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto DPI_FOR_WINDOW =
        systemFunction<DpiForWindow>(L"user32.dll", "GetDpiForWindow");
    const int dpi = DPI_FOR_WINDOW != nullptr ? static_cast<int>(DPI_FOR_WINDOW(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

int monitorDpiAt(POINT point) {
    // shellscalingapi.h: GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y).
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto DPI_FOR_MONITOR =
        systemFunction<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    constexpr int EFFECTIVE_DPI = 0;
    UINT x = 0;
    UINT y = 0;
    if (DPI_FOR_MONITOR != nullptr &&
        SUCCEEDED(DPI_FOR_MONITOR(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), EFFECTIVE_DPI,
                                  &x, &y)) &&
        x > 0) {
        return static_cast<int>(x);
    }
    return systemDpi();
}

RECT monitorWorkAreaAt(POINT point) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info) == FALSE) {
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }
    return info.rcWork;
}

RECT frameAtDpi(DWORD style, DWORD extendedStyle, int dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto ADJUST_FOR_DPI =
        systemFunction<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT outer{0, 0, 0, 0};
    if (ADJUST_FOR_DPI == nullptr ||
        ADJUST_FOR_DPI(&outer, style, FALSE, extendedStyle, static_cast<UINT>(dpi)) == FALSE) {
        outer = RECT{0, 0, 0, 0};
        AdjustWindowRectEx(&outer, style, FALSE, extendedStyle);
    }
    return outer;
}

void scaleDialogItself(HWND dialog) {
    // winuser.h: SetDialogDpiChangeBehavior(dialog, mask, values) with
    // DDC_DISABLE_ALL.
    using DialogDpiChange = BOOL(WINAPI*)(HWND, int, int);
    static const auto DIALOG_DPI_CHANGE =
        systemFunction<DialogDpiChange>(L"user32.dll", "SetDialogDpiChangeBehavior");
    constexpr int DISABLE_ALL = 0x0001;
    if (DIALOG_DPI_CHANGE != nullptr) {
        DIALOG_DPI_CHANGE(dialog, DISABLE_ALL, DISABLE_ALL);
    }
}
