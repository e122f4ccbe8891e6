// The bitmaps that come in sets load from the program's resources at each
// set's size: the 96-DPI size as the program scales it to 144 and 192 DPI.
#include "resources/ResourceIds.h"
#include "ui/main/rules/BitmapSets.h"
#include "units/DpiScale.h"
#include "win32/Drawing.h"

#include <gtest/gtest.h>

TEST(BitmapSets, EverySetLoadsAtItsScaledSize) {
    for (int id : {IDB_LOGO, IDB_COMBO_MIDDLE, IDB_COMBO_LEFT, IDB_COMBO_BUTTON,
                   IDB_COMBO_BUTTON_OPEN, IDB_HEADER_TILE, IDB_HEADER_LEFT, IDB_HEADER_RIGHT}) {
        const UniqueBitmap base = loadBitmapResource(id);
        const SIZE size96 = bitmapSize(base.get());
        ASSERT_GT(size96.cx, 0) << id;
        for (int dpi : {144, 192}) {
            const UniqueBitmap scaled = loadBitmapResource(bitmapResourceAt(id, dpi));
            const SIZE size = bitmapSize(scaled.get());
            EXPECT_EQ(size.cx, scalePixels(size96.cx, dpi)) << id << " at " << dpi;
            EXPECT_EQ(size.cy, scalePixels(size96.cy, dpi)) << id << " at " << dpi;
        }
    }
}
