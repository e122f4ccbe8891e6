#pragma once
// The text rules of a numeric entry field: a decimal number of at most
// `maxWholeDigits` digits before the point and `maxDecimalPlaces` after it,
// optionally negative. Plain functions on the text and the selection; the
// window side forwards the edit control's messages and applies the outcome.
#include "ui/controls/rules/EntryTextEdit.h"

#include <string>

struct NumericFieldFormat {
    int maxWholeDigits = 9;
    int maxDecimalPlaces = 3;
    bool negativesAllowed = true;
    char negativeSign = '-'; // from the user's locale
    char decimalPoint = '.'; // from the user's locale
};

// The text brought into the field's form: digits beyond the whole-digit limit
// are dropped one by one, the walk stops at the first decimal beyond the limit,
// a second point and every other character are dropped, and a sign anywhere
// makes the number negative. "12a3.4.56789" gives "123.456", "5-" gives "-5".
std::string numericValidText(const std::string& text, const NumericFieldFormat& format);

// What to do with the character `typed` (a Windows-1252 byte; below 0x20 and
// 0x7F are control characters) given the field's text and selection.
KeystrokeOutcome numericTypedCharacter(const std::string& text, TextSelection selection,
                                       unsigned char typed, bool readOnly,
                                       const NumericFieldFormat& format);

// The text SetValue writes: the value rounded half away from zero to the
// field's decimal places and written with them, then, when `trimZeros`, the
// trailing zeros and a trailing point removed. 375.3355793 gives "375.336",
// 0.0002930667 gives "0". The text still goes through numericValidText when it
// is set, which keeps only the first nine whole digits of a huge value.
std::string numericValueText(double value, bool trimZeros, const NumericFieldFormat& format);

// The number the text stands for: its digits, the first point, and a minus
// when the sign occurs anywhere, read like strtod in the "C" locale. A text
// without digits gives 0. Does not depend on the locale: "12,5" with ',' as
// the point gives 12.5.
double numericTextValue(const std::string& text, const NumericFieldFormat& format);
