// The one scale from 96-DPI pixels to the display's, the stored placement
// that keeps its size at 96 DPI, and the bitmap set a DPI loads.
#include "resources/ResourceIds.h"
#include "settings/WindowPlacement.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/main/rules/BitmapSets.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/TrackSize.h"
#include "units/DpiScale.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

TEST(DpiScale, NearestPixelHalvesAwayFromZeroAndUnscalingUndoesIt) {
    EXPECT_EQ(scalePixels(1, 144), 2); // 1.5
    EXPECT_EQ(scalePixels(-1, 144), -2);
    EXPECT_EQ(scalePixels(3, 120), 4);     // 3.75
    EXPECT_EQ(scalePixels(685, 120), 856); // 856.25
    EXPECT_EQ(scalePixels(800, 0), 800);   // a failed DPI query counts as 96
    EXPECT_EQ(scalePixels(std::numeric_limits<int>::min(), 192), std::numeric_limits<int>::min());
    for (int dpi : {96, 120, 144, 168, 192, 288}) {
        for (int value = -3000; value <= 3000; ++value) {
            ASSERT_EQ(unscalePixels(scalePixels(value, dpi), dpi), value) << value << " at " << dpi;
            ASSERT_TRUE(dpi != 96 || scalePixels(value, dpi) == value) << value;
        }
    }
}

// A window sized at 144 DPI is stored in 96-DPI pixels and opens at 192 DPI
// at the same size relative to its text; the position stays a point on the
// screen; at 96 DPI nothing changes.
TEST(WindowPlacement, StoredSizeIsAt96DpiAndThePositionAsItIs) {
    MemorySettingsStore store;
    const FrameInsets frame{6, 35, 6, 6};
    writeWindowSize(store, 1188, 919, frame, 144); // outer 1200 x 960
    writeWindowPosition(store, 306, 235, frame);
    const WindowPlacement at192 = placementAtDpi(readPlacement(store), 192);
    EXPECT_EQ(at192.width, 1600);
    EXPECT_EQ(at192.height, 1280);
    EXPECT_EQ(at192.left, 300);
    EXPECT_EQ(at192.top, 200);
    const WindowPlacement at96 = placementAtDpi(readPlacement(store), 96);
    EXPECT_EQ(at96.width, 800);
    EXPECT_EQ(at96.height, 640);

    // An odd stored size goes round at 144 DPI unchanged.
    const WindowPlacement at144 = placementAtDpi({-7, 13, 801, 613}, 144);
    EXPECT_EQ(at144.width, 1202); // 1201.5
    writeWindowSize(store, at144.width, at144.height, FrameInsets{}, 144);
    EXPECT_EQ(readPlacement(store).width, 801);
    EXPECT_EQ(readPlacement(store).height, 613);
}

TEST(BitmapSets, NearestSetTiesGoingToTheLargerOne) {
    const std::pair<int, int> percentAt[] = {{0, 100},   {96, 100},  {119, 100},
                                             {120, 150}, {144, 150}, {167, 150},
                                             {168, 200}, {192, 200}, {288, 200}};
    for (const auto& [dpi, percent] : percentAt) {
        EXPECT_EQ(bitmapSetPercent(dpi), percent) << dpi;
    }
    // Every set's resource is checked by loading it (BitmapSets GUI test).
    EXPECT_EQ(bitmapResourceAt(IDB_HEADER_RIGHT, 119), IDB_HEADER_RIGHT);
    EXPECT_EQ(bitmapResourceAt(IDB_LOGO, 120), IDB_LOGO_150);
    EXPECT_EQ(bitmapResourceAt(IDB_COMBO_MIDDLE, 168), IDB_COMBO_MIDDLE_200);
    EXPECT_EQ(bitmapResourceAt(IDB_PICTURE, 192), IDB_PICTURE);
}

// The page of a client scaled from 96 DPI is the 96-DPI page scaled within
// the rounding rule (2 pixels): places, the picture and its markers (the
// controls are checked the same way in the windows at each DPI). The inset
// starts at 700 pixels scaled; the dragging minimum is scaled.
TEST(MainLayout, AtEveryDpiThePageIsThe96DpiPageScaled) {
    for (const int dpi : {120, 144, 192}) {
        const DpiScale s{dpi};
        for (const auto& [w, h] : {std::pair<int, int>{699, 640}, {700, 640}, {1000, 760}}) {
            const PageGeometry page = computeMainLayout(s(w), s(h), {1401, 1926}, s).page;
            const PageGeometry page96 = computeMainLayout(w, h, {1401, 1926}).page;
            EXPECT_EQ(page.rightInset > 0, page96.rightInset > 0) << w << " at " << dpi;
            const std::pair<int, int> places[] = {
                {page.captionColumn, page96.captionColumn},
                {page.captionRows[4], page96.captionRows[4]},
                {page.logo.x, page96.logo.x},
                {page.recommendationPanel.inner.bottom, page96.recommendationPanel.inner.bottom},
                {page.flowLine.right, page96.flowLine.right},
                {page.picture.size.width, page96.picture.size.width},
                {page.pictureMarkers[3].y, page96.pictureMarkers[3].y},
                {page.captionMarkers[2].x, page96.captionMarkers[2].x}};
            for (const auto& [got, at96] : places) {
                EXPECT_NEAR(got, s(at96), 2) << at96 << " in " << w << " at " << dpi;
            }
        }
        // The selector's face is as high as the fields beside it, and a
        // field's font fits its row.
        const MainLayout layout = computeMainLayout(s(800), s(640), {1401, 1926}, s);
        EXPECT_EQ(layout.sizes.rowHeight, layout.controls[1].rect.height()) << dpi;
        EXPECT_LT(layout.sizes.fieldFontHeight, layout.sizes.rowHeight) << dpi;
        const PixelRect held = holdMinimumTrackSize({0, 0, 10, 10}, s);
        EXPECT_EQ(held.width(), s(MIN_TRACK_WIDTH));
        EXPECT_EQ(held.height(), s(MIN_TRACK_HEIGHT));
    }
}
