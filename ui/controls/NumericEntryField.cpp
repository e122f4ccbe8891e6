#include "ui/controls/NumericEntryField.h"

#include <vector>

namespace {

// The first character of a locale text, or `fallback` when the lookup fails.
char localeCharacter(LCTYPE type, char fallback) {
    const int size = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0) {
        return fallback;
    }
    std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer.data(), size) <= 0 || buffer[0] == '\0') {
        return fallback;
    }
    return buffer[0];
}

} // namespace

NumericEntryField::NumericEntryField(int maxWholeDigits, int maxDecimalPlaces) {
    format_.maxWholeDigits = maxWholeDigits;
    format_.maxDecimalPlaces = maxDecimalPlaces;
    format_.negativeSign = localeCharacter(LOCALE_SNEGATIVESIGN, '-');
    format_.decimalPoint = localeCharacter(LOCALE_SDECIMAL, '.');
}

void NumericEntryField::SetValue(double value, bool trimTrailingZeros) {
    setText(numericValueText(value, trimTrailingZeros, format_));
}

double NumericEntryField::GetValue() const {
    return numericTextValue(text(), format_);
}

std::string NumericEntryField::validText(const std::string& text) const {
    return numericValidText(text, format_);
}

KeystrokeOutcome NumericEntryField::typedCharacter(const std::string& text, TextSelection selection,
                                                   unsigned char typed) const {
    return numericTypedCharacter(text, selection, typed, isReadOnly(), format_);
}
