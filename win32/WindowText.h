#pragma once
// Reading a window's text.
#include <string>
#include <windows.h>

// The whole text of `window` (GetWindowTextW); empty for no window.
std::wstring windowText(HWND window);
