#include "ui/main/rules/PicturePlacement.h"

const PixelPoint PICTURE_POINTS[PICTURE_POINT_COUNT] = {
    {1100, 390}, // A: heat load, where the cabinet's heat enters the evaporator
    {1100, 88},  // B: evaporating, in the evaporator's first pass
    {1100, 850}, // C: condensing, in the condenser
    {1020, 1700} // D: return gas, the suction line at the compressor
};

double pictureScale(int bitmapWidth, int bitmapHeight, int clientWidth, int clientHeight,
                    int rightInset, int top, DpiScale dpiScale) {
    double ratio = static_cast<double>(bitmapHeight) / static_cast<double>(clientHeight - top);
    if (ratio == 0.0) {
        ratio = 0.1;
    }
    double scale = 0.9 / ratio;
    const int maxWidth = clientWidth - rightInset - dpiScale(350);
    if (static_cast<double>(bitmapWidth) * scale > static_cast<double>(maxWidth)) {
        scale = static_cast<double>(maxWidth) / static_cast<double>(bitmapWidth);
    }
    return scale;
}

PixelSize scaledPictureSize(int bitmapWidth, int bitmapHeight, double scale) {
    return {static_cast<int>(static_cast<double>(bitmapWidth) * scale),
            static_cast<int>(static_cast<double>(bitmapHeight) * scale)};
}

PixelPoint pictureMarkerPosition(const PixelPoint& picturePoint, double scale, PixelPoint origin) {
    return {static_cast<int>(picturePoint.x * scale + static_cast<double>(origin.x)),
            static_cast<int>(picturePoint.y * scale + static_cast<double>(origin.y))};
}

PixelPoint captionMarkerPosition(int index, int clientWidth, int rightInset, DpiScale scale) {
    return {clientWidth - scale(310) - rightInset, scale(135 + 25 * index)};
}

MarkerGeometry letterMarkerGeometry(int x, int y, int diameter, DpiScale scale) {
    MarkerGeometry geometry;
    const PixelPoint corner{x - diameter / 2, y - diameter / 2};
    geometry.circle = rectAt(corner, {diameter, diameter});
    geometry.letter = {corner.x + scale(7), corner.y + scale(3)};
    geometry.letterHeight = diameter - scale(6);
    return geometry;
}
