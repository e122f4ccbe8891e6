#pragma once
// The main window's outer rectangle in the store ("Location1"): read and fit
// to the screen at start-up, written on every move and size. The window
// reports client coordinates; the store holds the outer rectangle, so the
// frame's insets are added here.
#include "settings/SettingsNames.h"
#include "settings/SettingsStore.h"

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

// A stored placement made to fit the screen's full-screen client area: a
// width above `fullScreenWidth` becomes that width minus twice FIT_MARGIN at
// left edge FIT_MARGIN, and likewise for the height and top edge. A position is otherwise kept as
// stored, even off the screen; a size below the dragging minimum is kept too.
WindowPlacement fitStoredPlacement(WindowPlacement stored, int fullScreenWidth,
                                   int fullScreenHeight);

// Writes the outer size of a client area of `clientWidth` x `clientHeight`
// ("XSiz", then "YSiz").
void writeWindowSize(SettingsStore& store, int clientWidth, int clientHeight,
                     const FrameInsets& frame);

// Writes the outer top-left of a client area whose top-left is at
// (`clientLeft`, `clientTop`) ("XPos", then "YPos").
void writeWindowPosition(SettingsStore& store, int clientLeft, int clientTop,
                         const FrameInsets& frame);
