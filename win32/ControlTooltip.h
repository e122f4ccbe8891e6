#pragma once
// A control's own tooltip: one tool that covers the control's client area,
// owned by the control, and the relay that lets it see the mouse.
#include <windows.h>

// Creates the tooltip window and adds the tool `toolId` with `text` (which
// must outlive the tool: the tooltip keeps the pointer). nullptr on failure.
HWND createControlTooltip(HWND control, UINT_PTR toolId, wchar_t* text);

// Gives the tool `toolId` of `control` a new text (same lifetime rule).
void setControlTooltipText(HWND tooltip, HWND control, UINT_PTR toolId, wchar_t* text);

// Hands a mouse message of a control to its tooltip (TTM_RELAYEVENT), with
// the message's time and cursor position, so the tooltip sees the mouse.
void relayMouseToTooltip(HWND tooltip, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
