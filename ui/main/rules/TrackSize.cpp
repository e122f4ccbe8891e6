#include "ui/main/rules/TrackSize.h"

#include <limits>

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

PixelRect holdMinimumTrackSize(PixelRect proposed, DpiScale scale) {
    PixelRect rect = proposed;
    holdSpan(rect.left, rect.right, scale(MIN_TRACK_WIDTH));
    holdSpan(rect.top, rect.bottom, scale(MIN_TRACK_HEIGHT));
    return rect;
}
