#include "units/DpiScale.h"

#include <limits>

namespace {

// value × numerator / denominator (both positive), to the nearest integer,
// halves away from zero, held within int.
int mulDivRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long magnitude = product < 0 ? -product : product;
    const long long remainder = magnitude % denominator;
    const long long rounded = magnitude / denominator + (2 * remainder >= denominator ? 1 : 0);
    const long long result = product < 0 ? -rounded : rounded;
    if (result > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (result < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(result);
}

int usableDpi(int dpi) {
    return dpi > 0 ? dpi : DESIGN_DPI;
}

} // namespace

int scalePixels(int value96, int dpi) {
    return mulDivRounded(value96, usableDpi(dpi), DESIGN_DPI);
}

int unscalePixels(int value, int dpi) {
    return mulDivRounded(value, DESIGN_DPI, usableDpi(dpi));
}
