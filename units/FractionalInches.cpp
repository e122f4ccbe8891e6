#include "units/TextFormat.h"
#include "units/Units.h"

#include <cmath>

namespace {

// The whole-and-eighths text of a finite, non-negative length. The whole
// number stays a double and is printed with "%.0f", so no value is ever
// converted to an integer type that could not hold it.
std::string formatNonNegative(double x) {
    double whole = std::floor(x);
    if (whole == 0) {
        whole = 0; // -0.0 would print as "-0"
    }
    // Always one eighth above the whole eighths in the fraction: an exact
    // multiple of an eighth moves up as well (12.0 gives 12 1/8).
    int eighths = static_cast<int>((x - whole) / 0.125 + 1);
    std::string fraction;
    // The fraction is below 1, so the count is 1 to 8; it can only reach 9
    // when the sum rounds up for a fraction a hair below 1, which is a whole
    // inch as well.
    if (eighths >= 8) {
        whole += 1;
    } else {
        int denominator = 8;
        while (eighths % 2 == 0) {
            eighths /= 2;
            denominator /= 2;
        }
        fraction = formatText("%d/%d", eighths, denominator);
    }
    std::string text = formatText("%.0f %s", whole, fraction.c_str());
    // No "0 " in front of a fraction below one inch: 0.3 gives 3/8.
    if (text[0] == '0') {
        text.erase(0, 2);
    }
    return text;
}

} // namespace

// Lengths in this program are never negative; for robustness a negative
// length is shown as the text of its magnitude after a minus sign, and values
// that are not numbers read "nan", "inf" and "-inf", as printf shows them.
std::string FormatFractionalInches(double inches) {
    if (std::isnan(inches)) {
        return "nan";
    }
    if (std::isinf(inches)) {
        return inches > 0 ? "inf" : "-inf";
    }
    if (inches < 0) {
        return "-" + formatNonNegative(-inches);
    }
    return formatNonNegative(inches);
}
