#include "selection/TubeSearch.h"

#include "database/RefrigerantDatabase.h"
#include "selection/SelectionResult.h"

#include <cmath>

void computeTubeLengths(const double* diametersMm, int count, double flowRate, double* lengthsM) {
    const double flowSquared = flowRate * flowRate;
    for (int i = 0; i < count && i < MAX_DIAMETERS; ++i) {
        const double d = diametersMm[i];
        const double d2 = d * d;
        const double d5 = d * (d2 * d2);
        lengthsM[i] = 750 * d5 / flowSquared;
    }
}

int findOptimalTube(const double* lengthsM, int count, double targetLength) {
    if (count > MAX_DIAMETERS) {
        count = MAX_DIAMETERS;
    }
    if (count <= 0 || !std::isfinite(targetLength)) {
        return 0;
    }
    // The longest length not above the target and the shortest not below it:
    // a pass can only find something once its window reaches one of them, so
    // the passes before that need no scan. The scan itself decides.
    double nearestBelow = -HUGE_VAL;
    double nearestAbove = HUGE_VAL;
    for (int i = 0; i < count; ++i) {
        const double length = lengthsM[i];
        if (length <= targetLength && length > nearestBelow) {
            nearestBelow = length;
        }
        if (length >= targetLength && length < nearestAbove) {
            nearestAbove = length;
        }
    }

    double lo = targetLength;
    double hi = targetLength;
    for (long pass = 0; pass < MAX_SEARCH_PASSES; ++pass) {
        if (lo < nearestBelow || hi > nearestAbove) {
            for (int i = 0; i < count; ++i) {
                if (lo < lengthsM[i] && lengthsM[i] < hi) {
                    return i;
                }
            }
        }
        // The bounds accumulate in double precision, 0.01 m per pass.
        lo -= 0.01;
        hi += 0.01;
        if (lo < 0) {
            break;
        }
    }
    return 0;
}

int firstShownRow(int optimalIndex, int count) {
    if (optimalIndex > count - 5) {
        return count - RESULT_ROWS;
    }
    if (optimalIndex < 4) {
        return 0;
    }
    return optimalIndex - 4;
}
