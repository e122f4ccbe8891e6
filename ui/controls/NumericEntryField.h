#pragma once
// An entry field that only ever holds a well-formed decimal number: at most
// `maxWholeDigits` digits before the point and `maxDecimalPlaces` after it,
// optionally negative. The sign and the point are the user's locale's.
#include "ui/controls/EntryField.h"
#include "ui/controls/rules/NumericEntryText.h"

class NumericEntryField : public EntryField {
public:
    // Reads the negative sign and the decimal point of the user's locale
    // (GetLocaleInfoA); '-' and '.' stay when a lookup fails.
    NumericEntryField(int maxWholeDigits, int maxDecimalPlaces);
    // With the characters given, whatever the locale.
    explicit NumericEntryField(const NumericFieldFormat& format) : format_(format) {}

    // Writes `value` rounded to the decimal places, trailing zeros trimmed
    // when asked; the text then passes the set-text check like any other.
    void SetValue(double value, bool trimTrailingZeros);
    // The number in the field; 0 for a field without digits.
    double GetValue() const;

    const NumericFieldFormat& format() const noexcept { return format_; }

protected:
    std::string validText(const std::string& text) const override;
    KeystrokeOutcome typedCharacter(const std::string& text, TextSelection selection,
                                    unsigned char typed) const override;

private:
    NumericFieldFormat format_;
};
