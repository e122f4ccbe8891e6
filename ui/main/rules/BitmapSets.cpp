#include "ui/main/rules/BitmapSets.h"

#include "resources/ResourceIds.h"

int bitmapSetPercent(int dpi) {
    // Halfway between 96 and 144 is 120, between 144 and 192 it is 168.
    if (dpi < 120) {
        return 100;
    }
    return dpi < 168 ? 150 : 200;
}

int bitmapResourceAt(int resourceId, int dpi) {
    const bool hasSets = resourceId == IDB_LOGO ||
                         (resourceId >= IDB_COMBO_MIDDLE && resourceId <= IDB_HEADER_RIGHT);
    if (!hasSets) {
        return resourceId;
    }
    switch (bitmapSetPercent(dpi)) {
    case 150:
        return resourceId + IDB_OFFSET_150;
    case 200:
        return resourceId + IDB_OFFSET_200;
    default:
        return resourceId;
    }
}
