#pragma once
// The main window's outer rectangle: restoring it from the store and holding
// the minimum while the user drags a border.

struct WindowPlacement {
    int left = 10;
    int top = 10;
    int width = 800;
    int height = 640;
};

// A stored placement made to fit the screen's full-screen client area: a
// width above `fullScreenWidth` becomes that width minus 20 at left edge 10,
// and likewise for the height and top edge. A position is otherwise kept as
// stored, even off the screen; a size below the dragging minimum is kept too.
WindowPlacement FitStoredPlacement(WindowPlacement stored, int fullScreenWidth,
                                   int fullScreenHeight);

constexpr int MIN_TRACK_WIDTH = 685;
constexpr int MIN_TRACK_HEIGHT = 600;

struct TrackRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle proposed while a border is dragged, held at 685 x 600 at
// least by moving its right and bottom edges, whichever edge is dragged.
TrackRect HoldMinimumTrackSize(TrackRect proposed);
