#include "ui/main/rules/FlowLineText.h"
#include "ui/main/rules/PicturePlacement.h"

#include <gtest/gtest.h>

TEST(PicturePlacement, ScaleFromHeightOrWidth) {
    // 784 x 601 client (an 800 x 640 window): the height decides.
    const int r = 784 / 15;
    const double s = pictureScale(1401, 1926, 784, 601, r, 70);
    EXPECT_DOUBLE_EQ(s, 0.9 / (1926.0 / 531.0));
    const PixelSize size = scaledPictureSize(1401, 1926, s);
    EXPECT_EQ(size.width, static_cast<int>(1401 * s));
    EXPECT_EQ(size.height, static_cast<int>(1926 * s));
    EXPECT_LE(size.height, 601 - 70);

    // A narrow, tall client: the width W - R - 350 decides.
    const double narrow = pictureScale(1401, 1926, 690, 2000, 0, 70);
    EXPECT_DOUBLE_EQ(narrow, 340.0 / 1401.0);
    EXPECT_EQ(scaledPictureSize(1401, 1926, narrow).width, 340);

    // A picture of height 0 gives the guarded ratio 0.1.
    EXPECT_DOUBLE_EQ(pictureScale(0, 0, 800, 600, 53, 70), 9.0);
}

TEST(PicturePlacement, MarkerPositions) {
    EXPECT_EQ(PICTURE_POINTS[0].x, 1100);
    EXPECT_EQ(PICTURE_POINTS[0].y, 390);
    EXPECT_EQ(PICTURE_POINTS[1].y, 88);
    EXPECT_EQ(PICTURE_POINTS[2].y, 850);
    EXPECT_EQ(PICTURE_POINTS[3].x, 1020);
    EXPECT_EQ(PICTURE_POINTS[3].y, 1700);

    const PixelPoint d =
        pictureMarkerPosition(PICTURE_POINTS[3], 0.25, {PICTURE_LEFT, PICTURE_TOP});
    EXPECT_EQ(d.x, 270);
    EXPECT_EQ(d.y, 495);
    // Truncated, not rounded.
    const PixelPoint b = pictureMarkerPosition({1100, 88}, 0.2999, {PICTURE_LEFT, PICTURE_TOP});
    EXPECT_EQ(b.x, 344);
    EXPECT_EQ(b.y, 96);

    const PixelPoint captionA = captionMarkerPosition(0, 784, 52);
    EXPECT_EQ(captionA.x, 784 - 310 - 52);
    EXPECT_EQ(captionA.y, 135);
    EXPECT_EQ(captionMarkerPosition(3, 784, 52).y, 210);

    const MarkerGeometry g = letterMarkerGeometry(100, 135, 20);
    EXPECT_EQ(g.circle.left, 90);
    EXPECT_EQ(g.circle.top, 125);
    EXPECT_EQ(g.circle.width(), 20);
    EXPECT_EQ(g.letter.x, 97);
    EXPECT_EQ(g.letter.y, 128);
    EXPECT_EQ(g.letterHeight, 14);
    const MarkerGeometry odd = letterMarkerGeometry(-5, 0, 21);
    EXPECT_EQ(odd.circle.left, -5 - 10);
    EXPECT_EQ(odd.circle.top, -10);
}

TEST(FlowLine, DecimalsFollowTheFlowUnit) {
    UnitSettings units; // l/min, bar
    EXPECT_EQ(flowLineText(units, 4.26), "Flow Rate: 4.3 l/min (N_2 at delta p 10 bar)");
    units.flowUnit = 0;
    units.pressureUnit = 1;
    // 4.26 l/min is 0.1504 CFM; 10 bar is 145 psi.
    EXPECT_EQ(flowLineText(units, 4.26), "Flow Rate: 0.15 CFM (N_2 at delta p 145 psi)");
    units.flowUnit = 2; // any non-zero value is l/min
    EXPECT_EQ(flowLineText(units, 0.0), "Flow Rate: 0.0 l/min (N_2 at delta p 145 psi)");
}
