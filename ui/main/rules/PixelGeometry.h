#pragma once
// A point and a rectangle in whole pixels of the main window's client area
// (or of a window rectangle on the screen), as the platform-free decisions of
// the window compute them.

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Right and bottom are exclusive, as in a Win32 RECT.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
