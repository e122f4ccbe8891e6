#pragma once
// The main window's outer rectangle in the store ("Location1"): read and fit
// to the screen at start-up, written on every move and size. The window
// reports client coordinates; the store holds the outer rectangle, so the
// frame's insets are added here.
//
// The store holds the size at 96 DPI: the outer size the window has at the
// DPI it is shown at, taken back to 96 DPI (units/DpiScale.h). A store written
// at any DPI, or by a program that did not scale, so opens the window at the
// same size relative to its text. The position is a point on the screen,
// where the user left the window's top-left corner, and is stored and used as
// it is at every DPI: scaling it would move a window that is already where
// the user put it, and on a screen of several monitors with their own DPIs no
// one DPI fits every point.
#include "settings/SettingsNames.h"
#include "settings/SettingsStore.h"
#include "units/DpiScale.h"

// The outer rectangle; the default placement when nothing is stored.
struct WindowPlacement {
    int left = DEFAULT_X_POSITION;
    int top = DEFAULT_Y_POSITION;
    int width = DEFAULT_X_SIZE;
    int height = DEFAULT_Y_SIZE;
};

// How far the window's frame reaches beyond its client area on each side.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// "XPos", "YPos", "XSiz", "YSiz" with the default placement's values as
// their defaults.
WindowPlacement readPlacement(SettingsStore& store);

// The margin a placement too large for the screen keeps on each side.
constexpr int FIT_MARGIN = 10;

// A stored placement as the window's placement at `dpi`: the size scaled,
// the position as stored. At 96 DPI it is the stored placement. Fit the
// result to the screen afterwards, in the screen's own pixels.
WindowPlacement placementAtDpi(WindowPlacement stored, int dpi);

// A placement made to fit the work area of the monitor it opens on (given as
// its left, top, width and height, in screen pixels), at the window's `dpi`:
// a width above the work area's becomes that width minus twice the margin
// (FIT_MARGIN, scaled), at the work area's left edge plus the margin, and
// likewise for the height and the top edge. A position is otherwise kept as
// stored, even off the screen; a size below the dragging minimum is kept too.
WindowPlacement fitStoredPlacement(WindowPlacement placement, const WindowPlacement& workArea,
                                   int dpi = DESIGN_DPI);

// Writes the outer size of a client area of `clientWidth` x `clientHeight`
// and a frame of `frame`, all in pixels at `dpi`, as the size at 96 DPI
// ("XSiz", then "YSiz").
void writeWindowSize(SettingsStore& store, int clientWidth, int clientHeight,
                     const FrameInsets& frame, int dpi = DESIGN_DPI);

// Writes the outer top-left of a client area whose top-left is at
// (`clientLeft`, `clientTop`) ("XPos", then "YPos").
void writeWindowPosition(SettingsStore& store, int clientLeft, int clientTop,
                         const FrameInsets& frame);
