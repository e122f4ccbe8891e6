#pragma once
// Hands a mouse message of a control to its tooltip (TTM_RELAYEVENT), with
// the message's time and cursor position, so the tooltip sees the mouse.
#include <windows.h>

void RelayToTooltip(HWND tooltip, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
