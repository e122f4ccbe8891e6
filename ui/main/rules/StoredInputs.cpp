#include "ui/main/rules/StoredInputs.h"

#include <cmath>
#include <limits>

std::int32_t StoredHundredths(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // The fields hold at most three decimals. Rounding to thousandths first
    // absorbs the binary representation error of the product (12.345 * 100 is
    // 1234.4999999999998), so the halves of the decimal value are rounded
    // the way the user reads them.
    const double thousandths = std::round(value * 1000.0);
    const double hundredths = std::round(thousandths / 10.0); // half away from zero
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (hundredths <= lowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (hundredths >= highest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(hundredths);
}

double FromHundredths(std::int32_t stored) {
    return stored / 100.0;
}

int ClampRefrigerantIndex(std::int32_t stored, int refrigerantCount) {
    if (stored < 0 || refrigerantCount <= 0) {
        return 0;
    }
    if (stored > refrigerantCount - 1) {
        return refrigerantCount - 1;
    }
    return static_cast<int>(stored);
}
