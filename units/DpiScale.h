#pragma once
// The one scale between the windows' design and the display. Every position,
// size, line width, marker and font height of the windows is designed in
// pixels at 96 DPI; at another DPI it is multiplied by dpi / 96 here and
// nowhere else. It lives with the units because every layer that needs it
// (the stored placement, the windows' platform-free rules, the controls, the
// windows) may use them.
//
// One rounding rule: to the nearest whole pixel, halves away from zero, as
// MulDiv rounds: a 1-pixel line is 2 pixels at 144 DPI, an offset of -1 is
// -2. A DPI of 0 or less (a query that failed) counts as 96. Results beyond
// the range of int are held at its ends.

constexpr int DESIGN_DPI = 96;

// `value96` pixels at 96 DPI as pixels at `dpi`.
int scalePixels(int value96, int dpi);

// `value` pixels at `dpi` as pixels at 96 DPI, with the same rounding. At 96
// DPI or more it undoes scalePixels exactly:
// unscalePixels(scalePixels(v, dpi), dpi) == v.
int unscalePixels(int value, int dpi);

// The scale of a window at its DPI, handed to the rules that place and size
// what the window shows: `scale(value96)` is scalePixels(value96, dpi).
struct DpiScale {
    int dpi = DESIGN_DPI;

    int operator()(int value96) const { return scalePixels(value96, dpi); }
};
