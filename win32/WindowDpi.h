#pragma once
// The DPI a window is shown at and what depends on it, on every Windows the
// program runs on. The program declares Windows 7 as its oldest system, so
// the calls of later versions are looked up when they are first needed; where
// one is missing, the system DPI stands in (a program that is DPI-aware on
// such a system is shown at the system DPI everywhere).
#include <windows.h>

// The DPI of `window`: GetDpiForWindow (Windows 10 1607 on), else the
// screen's LOGPIXELSX.
int windowDpi(HWND window);

// The DPI of the monitor nearest to `point` on the screen: GetDpiForMonitor
// (Windows 8.1 on), else the screen's LOGPIXELSX.
int monitorDpiAt(POINT point);

// The work area (the screen less the task bar and other bars docked to it)
// of the monitor nearest to `point`.
RECT monitorWorkAreaAt(POINT point);

// How far the frame of a window of this style reaches beyond its client area
// on each side at `dpi`, as the outer rectangle of an empty client at 0, 0:
// AdjustWindowRectExForDpi (Windows 10 1607 on), else AdjustWindowRectEx
// (the system DPI).
RECT frameAtDpi(DWORD style, DWORD extendedStyle, int dpi);

// Leaves the scaling of `dialog` after a change of DPI to the dialog itself:
// the dialog manager of Windows 10 1703 and later would otherwise move, size
// and refont its controls on its own. Nothing on older systems.
void scaleDialogItself(HWND dialog);
