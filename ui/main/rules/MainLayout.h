#pragma once
// Where the main window's controls go for a client area of W x H pixels.
// Only the right-hand inset and the picture scale with the window; every
// control sits at a fixed offset from the left, top, right or bottom edge.
#include <array>

// W / 15 once the client is at least 700 pixels wide, else 0.
int rightInset(int clientWidth);

struct ControlRect {
    int controlId = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int MAIN_LAYOUT_CONTROLS = 13;

struct MainLayout {
    int rightInset = 0;
    int fieldColumn = 0; // X: left edge of the selector and the fields
    int panelLeft = 0;   // P: left edge of the two panels
    std::array<ControlRect, MAIN_LAYOUT_CONTROLS> controls{};
};

// The rectangles of the selector, the seven fields, the results list, the
// three buttons and the link, in this order. Fields 1000, 1007 and 1008 lie
// 500 pixels right of the field column, outside the client area.
MainLayout computeMainLayout(int clientWidth, int clientHeight);
