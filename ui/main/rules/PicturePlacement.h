#pragma once
// Where the main window puts its picture and the lettered markers: the
// factor at which the refrigeration picture is drawn, and the picture's
// points A to D turned into client coordinates. The right-hand inset R comes
// from the layout (rightInset). Positions and sizes are figures at 96 DPI,
// scaled to the window's DPI by the DpiScale handed in; the picture's own
// factor follows from the scaled client.
#include "ui/main/rules/PixelGeometry.h"
#include "units/DpiScale.h"

// The picture is drawn with its top-left corner here (at 96 DPI).
constexpr int PICTURE_LEFT = 15;
constexpr int PICTURE_TOP = 70;

// Diameter of every letter marker.
constexpr int MARKER_DIAMETER = 20;

// The factor for a bw x bh picture drawn at y in a client of W x H with inset
// R: 90 % of the height below y, but no wider than W - R - 350 (350 scaled).
// A height ratio of exactly 0 counts as 0.1.
double pictureScale(int bitmapWidth, int bitmapHeight, int clientWidth, int clientHeight,
                    int rightInset, int top, DpiScale dpiScale = {});

// The drawn size: each side times the factor, truncated.
PixelSize scaledPictureSize(int bitmapWidth, int bitmapHeight, double scale);

// The picture's points in its own pixels, for the letters A (heat load),
// B (evaporating), C (condensing) and D (return gas).
constexpr int PICTURE_POINT_COUNT = 4;
extern const PixelPoint PICTURE_POINTS[PICTURE_POINT_COUNT];

// A picture point in client coordinates at the given factor, for the picture
// drawn with its left-top corner at `origin`.
PixelPoint pictureMarkerPosition(const PixelPoint& picturePoint, double scale, PixelPoint origin);

// The markers beside the four input captions (A to D), for a client width W
// and inset R.
PixelPoint captionMarkerPosition(int index, int clientWidth, int rightInset, DpiScale scale = {});

// The marker's circle and letter for its centre (x, y) and diameter d: the
// circle's bounding square of side d has its left-top corner at
// (x - d / 2, y - d / 2); the letter is drawn at the square's left-top +
// (7, 3) with height d - 6 (7, 3 and 6 scaled).
struct MarkerGeometry {
    PixelRect circle;
    PixelPoint letter;
    int letterHeight = 0;
};
MarkerGeometry letterMarkerGeometry(int x, int y, int diameter, DpiScale scale = {});
