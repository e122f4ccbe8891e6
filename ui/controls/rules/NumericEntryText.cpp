#include "ui/controls/rules/NumericEntryText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

bool isDigit(char character) {
    return character >= '0' && character <= '9';
}

bool isControl(unsigned char character) {
    return character < 0x20 || character == 0x7F;
}

// The selection held within the text, start not after end.
TextSelection clampSelection(TextSelection selection, int length) {
    auto clamp = [length](int position) {
        return position < 0 ? 0 : (position > length ? length : position);
    };
    TextSelection result{clamp(selection.start), clamp(selection.end)};
    if (result.start > result.end) {
        std::swap(result.start, result.end);
    }
    return result;
}

KeystrokeOutcome dropped() {
    return KeystrokeOutcome{};
}

KeystrokeOutcome byEditControl(bool normalise) {
    KeystrokeOutcome outcome;
    outcome.action = KeystrokeAction::Default;
    outcome.normaliseAfter = normalise;
    return outcome;
}

KeystrokeOutcome replacing(int start, int end, std::string replacement) {
    KeystrokeOutcome outcome;
    outcome.action = KeystrokeAction::Replace;
    outcome.range = {start, end};
    outcome.replacement = std::move(replacement);
    return outcome;
}

// The character after the caret is overwritten; when the selection reaches
// the end of the text, everything from the caret on.
KeystrokeOutcome overwriting(const std::string& text, TextSelection selection, char digit) {
    const int length = static_cast<int>(text.size());
    const int end = selection.end == length ? length : selection.start + 1;
    return replacing(selection.start, end, std::string(1, digit));
}

KeystrokeOutcome typedSign(const std::string& text, TextSelection selection, char sign) {
    const int length = static_cast<int>(text.size());
    const bool startsWithSign = length > 0 && text[0] == sign;
    if (selection.start > 0) {
        // Toggled at the front wherever the caret is; the selection follows
        // the characters it covered.
        KeystrokeOutcome outcome =
            startsWithSign ? replacing(0, 1, std::string()) : replacing(0, 0, std::string(1, sign));
        const int shift = startsWithSign ? -1 : 1;
        outcome.setsSelection = true;
        outcome.selectionAfter = {selection.start + shift, selection.end + shift};
        return outcome;
    }
    if (startsWithSign) {
        return replacing(0, selection.end == length ? length : 1, std::string(1, sign));
    }
    return byEditControl(false);
}

KeystrokeOutcome typedPoint(const std::string& text, TextSelection selection, char point) {
    const std::string::size_type found = text.find(point);
    if (found == std::string::npos) {
        return byEditControl(true);
    }
    const int p = static_cast<int>(found);
    if (selection.start <= p && p < selection.end) {
        return byEditControl(true);
    }
    KeystrokeOutcome outcome;
    outcome.action = KeystrokeAction::MoveCaret;
    outcome.setsSelection = true;
    outcome.selectionAfter = {p + 1, p + 1};
    return outcome;
}

KeystrokeOutcome typedDigit(const std::string& text, TextSelection selection, char digit,
                            const NumericFieldFormat& format) {
    const int length = static_cast<int>(text.size());
    const std::string::size_type found = text.find(format.decimalPoint);
    const bool hasPoint = format.maxDecimalPlaces > 0 && found != std::string::npos;
    const int p = hasPoint ? static_cast<int>(found) : length;

    if (!hasPoint || p >= selection.start) {
        const int signLength =
            (format.negativesAllowed && length > 0 && text[0] == format.negativeSign) ? 1 : 0;
        const int wholeLimit = signLength + format.maxWholeDigits;
        if (selection.start == wholeLimit) {
            return dropped();
        }
        if (p >= wholeLimit) {
            // A full whole part: the digit takes the place of the next one.
            // Normalising afterwards changes nothing unless the overwritten
            // character was the sign in front of nine digits.
            KeystrokeOutcome outcome = overwriting(text, selection, digit);
            outcome.normaliseAfter = true;
            return outcome;
        }
        return byEditControl(true);
    }

    const int decimals = length - p - 1;
    if (decimals >= format.maxDecimalPlaces) {
        if (selection.start <= p + format.maxDecimalPlaces) {
            return overwriting(text, selection, digit);
        }
        return dropped();
    }
    return byEditControl(false);
}

std::string formatFixed(double value, int decimals) {
    const int needed = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (needed <= 0) {
        return "0";
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return std::string(buffer.data());
}

} // namespace

std::string numericValidText(const std::string& text, const NumericFieldFormat& format) {
    std::string result;
    bool negative = false;
    bool hasPoint = false;
    int wholeDigits = 0;
    int decimals = 0;
    for (const char character : text) {
        if (format.negativesAllowed && character == format.negativeSign) {
            negative = true;
        } else if (isDigit(character)) {
            if (!hasPoint) {
                if (wholeDigits >= format.maxWholeDigits) {
                    continue;
                }
                ++wholeDigits;
            } else {
                if (decimals >= format.maxDecimalPlaces) {
                    break;
                }
                ++decimals;
            }
            result += character;
        } else if (character == format.decimalPoint && !hasPoint) {
            if (format.maxDecimalPlaces <= 0) {
                break;
            }
            hasPoint = true;
            result += character;
        }
    }
    if (negative) {
        result.insert(result.begin(), format.negativeSign);
    }
    return result;
}

KeystrokeOutcome numericTypedCharacter(const std::string& text, TextSelection selection,
                                       unsigned char typed, bool readOnly,
                                       const NumericFieldFormat& format) {
    if (readOnly) {
        return dropped();
    }
    if (isControl(typed)) {
        return byEditControl(true);
    }
    const TextSelection sel = clampSelection(selection, static_cast<int>(text.size()));
    const char character = static_cast<char>(typed);
    if (format.negativesAllowed && character == format.negativeSign) {
        return typedSign(text, sel, format.negativeSign);
    }
    if (format.maxDecimalPlaces > 0 && character == format.decimalPoint) {
        return typedPoint(text, sel, format.decimalPoint);
    }
    if (isDigit(character)) {
        return typedDigit(text, sel, character, format);
    }
    return dropped();
}

std::string numericValueText(double value, bool trimZeros, const NumericFieldFormat& format) {
    if (!std::isfinite(value)) {
        return "0";
    }
    const int decimals = format.maxDecimalPlaces < 0
                             ? 0
                             : (format.maxDecimalPlaces > 9 ? 9 : format.maxDecimalPlaces);
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const double scaled = value * static_cast<double>(scale);

    std::string text;
    if (std::fabs(scaled) < 9.0e15) {
        // Exact integer arithmetic on the rounded count of the smallest unit.
        const long long units = std::llround(scaled); // half away from zero
        const unsigned long long magnitude = units < 0
                                                 ? 0ULL - static_cast<unsigned long long>(units)
                                                 : static_cast<unsigned long long>(units);
        if (units < 0) {
            text += format.negativeSign;
        }
        text += std::to_string(magnitude / static_cast<unsigned long long>(scale));
        if (decimals > 0) {
            std::string fraction =
                std::to_string(magnitude % static_cast<unsigned long long>(scale));
            fraction.insert(fraction.begin(), static_cast<size_t>(decimals) - fraction.size(), '0');
            text += format.decimalPoint;
            text += fraction;
        }
    } else {
        // Far beyond what the field keeps: only the leading digits matter.
        text = formatFixed(value, decimals);
        for (char& character : text) {
            if (character == '.') {
                character = format.decimalPoint;
            } else if (character == '-') {
                character = format.negativeSign;
            }
        }
    }

    if (trimZeros && decimals > 0 && text.find(format.decimalPoint) != std::string::npos) {
        while (!text.empty() && text.back() == '0') {
            text.pop_back();
        }
        if (!text.empty() && text.back() == format.decimalPoint) {
            text.pop_back();
        }
    }
    return text;
}

double numericTextValue(const std::string& text, const NumericFieldFormat& format) {
    std::string plain;
    bool negative = false;
    bool hasPoint = false;
    bool hasDigit = false;
    for (const char character : text) {
        if (character == format.negativeSign) {
            negative = true;
        } else if (isDigit(character)) {
            plain += character;
            hasDigit = true;
        } else if (character == format.decimalPoint && !hasPoint) {
            plain += '.';
            hasPoint = true;
        }
    }
    if (!hasDigit) {
        return 0.0;
    }
    double value = 0.0;
    const std::from_chars_result parsed =
        std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (parsed.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}
