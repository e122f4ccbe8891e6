// The buffer-copy floor: a window whose paint does nothing but copy a kept
// bitmap the size of its client area onto the screen, the least a paint that
// goes through an off-screen picture can cost. Built like the program (same
// toolchain, static runtime and flags), at the program's default window size.
//
// Command line: an optional number of milliseconds that every paint spends
// busy before its copy. The benchmark runs one such slow copy beside the plain
// one to check that its timing really contains the paint.
#include "settings/SettingsNames.h"
#include "tests/support/PerformanceClock.h"

#include <cstdlib>
#include <windows.h>

namespace {

constexpr wchar_t CLASS_NAME[] = L"BenchBufferCopy";

HDC keptDc = nullptr;
HBITMAP keptBitmap = nullptr;
HGDIOBJ originalBitmap = nullptr;
double paintDelayMs = 0;

void releaseKeptBitmap() {
    if (keptDc != nullptr) {
        SelectObject(keptDc, originalBitmap);
        DeleteDC(keptDc);
        keptDc = nullptr;
    }
    if (keptBitmap != nullptr) {
        DeleteObject(keptBitmap);
        keptBitmap = nullptr;
    }
}

// Builds the kept picture for a client of width x height: white with a
// yellow band, drawn once per size, never during a paint.
void rebuildKeptBitmap(HWND window, int width, int height) {
    releaseKeptBitmap();
    if (width <= 0 || height <= 0) {
        return;
    }
    HDC screen = GetDC(window);
    keptDc = CreateCompatibleDC(screen);
    keptBitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(window, screen);
    if (keptDc == nullptr || keptBitmap == nullptr) {
        releaseKeptBitmap();
        return;
    }
    originalBitmap = SelectObject(keptDc, keptBitmap);
    RECT all{0, 0, width, height};
    FillRect(keptDc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH band = CreateSolidBrush(RGB(252, 217, 0));
    RECT header{0, 16, width - 8, 67};
    FillRect(keptDc, &header, band);
    DeleteObject(band);
}

void paint(HWND window) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (paintDelayMs > 0) {
        const double until = performanceMilliseconds() + paintDelayMs;
        while (performanceMilliseconds() < until) {
        }
    }
    RECT client{};
    GetClientRect(window, &client);
    if (keptDc != nullptr) {
        BitBlt(dc, 0, 0, client.right, client.bottom, keptDc, 0, 0, SRCCOPY);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            rebuildKeptBitmap(window, LOWORD(lParam), HIWORD(lParam));
        }
        return 0;
    case WM_ERASEBKGND:
        return 1; // the copy covers the whole client area
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_DESTROY:
        releaseKeptBitmap();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR lpCmdLine, int nShowCmd) {
    paintDelayMs = std::strtod(lpCmdLine, nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = CLASS_NAME;
    if (RegisterClassW(&windowClass) == 0) {
        return 1;
    }
    HWND window = CreateWindowExW(0, CLASS_NAME, L"Buffer copy", WS_OVERLAPPEDWINDOW,
                                  DEFAULT_X_POSITION, DEFAULT_Y_POSITION, DEFAULT_X_SIZE,
                                  DEFAULT_Y_SIZE, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, nShowCmd);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
