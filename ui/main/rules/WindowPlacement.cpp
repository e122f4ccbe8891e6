#include "ui/main/rules/WindowPlacement.h"

#include <limits>

WindowPlacement FitStoredPlacement(WindowPlacement stored, int fullScreenWidth,
                                   int fullScreenHeight) {
    WindowPlacement placement = stored;
    if (placement.width > fullScreenWidth) {
        placement.left = 10;
        placement.width = fullScreenWidth - 20;
    }
    if (placement.height > fullScreenHeight) {
        placement.top = 10;
        placement.height = fullScreenHeight - 20;
    }
    return placement;
}

namespace {

// Moves `far` to `near` + `minimum` when the span is shorter. Computed in 64
// bits; at the very end of the int range `near` moves back instead.
void holdSpan(int& nearEdge, int& farEdge, int minimum) {
    if (static_cast<long long>(farEdge) - nearEdge >= minimum) {
        return;
    }
    if (nearEdge > std::numeric_limits<int>::max() - minimum) {
        farEdge = std::numeric_limits<int>::max();
        nearEdge = farEdge - minimum;
    } else {
        farEdge = nearEdge + minimum;
    }
}

} // namespace

TrackRect HoldMinimumTrackSize(TrackRect proposed) {
    TrackRect rect = proposed;
    holdSpan(rect.left, rect.right, MIN_TRACK_WIDTH);
    holdSpan(rect.top, rect.bottom, MIN_TRACK_HEIGHT);
    return rect;
}
