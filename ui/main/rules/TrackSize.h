#pragma once
// The smallest size the main window can be dragged to: 685 x 600 at 96 DPI,
// scaled to the window's DPI.
#include "ui/main/rules/PixelGeometry.h"
#include "units/DpiScale.h"

constexpr int MIN_TRACK_WIDTH = 685;
constexpr int MIN_TRACK_HEIGHT = 600;

// The rectangle proposed while a border is dragged, held at the scaled
// 685 x 600 at least by moving its right and bottom edges, whichever edge is
// dragged.
PixelRect holdMinimumTrackSize(PixelRect proposed, DpiScale scale = {});
