#pragma once
// The smallest size the main window can be dragged to.

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
TrackRect holdMinimumTrackSize(TrackRect proposed);
