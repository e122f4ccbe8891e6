// Fuzzes the numeric entry field's text rules with sequences of edits.
//
// The target runs the field's own editing steps (EntryEditing.h) with the
// numeric rules on an in-memory edit control standing in for Windows:
// typed characters (digits, the sign, the point, letters, Backspace and the
// editing shortcuts), the Delete key, pasting, cutting, set-text, SetValue
// and selections of any kind. After every step the text must be its own
// valid text (at most 9 whole digits, at most 3 decimals, one point, the
// sign only in front), the selection must lie within it, and GetValue must
// give a finite number that agrees with the text.
#include "FuzzCheck.h"

#include "tests/core/EditControlModel.h"
#include "ui/controls/rules/EntryEditing.h"
#include "ui/controls/rules/FilteredEntryText.h"
#include "ui/controls/rules/NumericEntryText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The numeric field in front of the edit control: the field's editing steps
// with the numeric rules, as the field on the real control runs them.
class NumericFieldModel {
public:
    explicit NumericFieldModel(const NumericFieldFormat& format)
        : format_(format),
          validText_([this](const std::string& text) { return numericValidText(text, format_); }) {
        // Ctrl+V and Ctrl+X reach the field as WM_PASTE and WM_CUT.
        edit_.pasteMessage = [this] { paste(true); };
        edit_.cutMessage = [this] { cut(); };
    }
    NumericFieldModel(const NumericFieldModel&) = delete;
    NumericFieldModel& operator=(const NumericFieldModel&) = delete;

    EditControlModel& edit() { return edit_; }

    void typed(unsigned char character) {
        const KeystrokeOutcome outcome = numericTypedCharacter(
            edit_.text(), edit_.selection(), character, edit_.readOnly(), format_);
        applyKeystroke(edit_, outcome, character, validText_);
    }

    void deleteKey() { applyDeleteKey(edit_, validText_); }

    // WM_CUT (the context menu's Cut, or Ctrl+X through the edit control).
    void cut() { applyCut(edit_, validText_); }

    // WM_CLEAR behaves as the Delete key when there is a selection.
    void clear() {
        if (edit_.selection().start < edit_.selection().end) {
            deleteKey();
        }
    }

    // WM_PASTE; when the field cannot read the clipboard, the control
    // pastes and the field corrects afterwards.
    void paste(bool clipboardReadable) {
        std::optional<std::string> clipboard;
        if (clipboardReadable) {
            clipboard = edit_.clipboard();
        }
        applyPaste(edit_, clipboard, 0, validText_);
    }

    // WM_SETTEXT: the control is given the valid text.
    void setText(const std::string& text) { edit_.setText(numericValidText(text, format_)); }

    void setValue(double value, bool trimZeros) {
        setText(numericValueText(value, trimZeros, format_));
    }

    double value() const { return numericTextValue(edit_.text(), format_); }

private:
    NumericFieldFormat format_;
    ValidTextRule validText_;
    EditControlModel edit_;
};

// The shape of a valid text, checked character by character without the
// rules' own code.
void checkShape(const std::string& text, const NumericFieldFormat& format) {
    int wholeDigits = 0;
    int decimals = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == format.negativeSign) {
            FUZZ_CHECK(i == 0);
        } else if (c == format.decimalPoint) {
            FUZZ_CHECK(!point);
            point = true;
        } else {
            FUZZ_CHECK(c >= '0' && c <= '9');
            ++(point ? decimals : wholeDigits);
        }
    }
    FUZZ_CHECK(wholeDigits <= format.maxWholeDigits);
    FUZZ_CHECK(decimals <= format.maxDecimalPlaces);
}

// The value the text stands for, read with strtod from its "C" form.
double referenceValue(const std::string& text, const NumericFieldFormat& format) {
    std::string plain;
    for (const char c : text) {
        plain += c == format.decimalPoint ? '.' : (c == format.negativeSign ? '-' : c);
    }
    return std::strtod(plain.c_str(), nullptr);
}

void checkField(NumericFieldModel& field, const NumericFieldFormat& format) {
    const std::string text = field.edit().text();
    const TextSelection selection = field.edit().selection();
    FUZZ_CHECK(numericValidText(text, format) == text);
    checkShape(text, format);
    FUZZ_CHECK(0 <= selection.start && selection.start <= selection.end &&
               selection.end <= static_cast<int>(text.size()));
    const double value = field.value();
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(std::fabs(value) < 1e9);
    const double reference = referenceValue(text, format);
    FUZZ_CHECK(value == reference || (value == 0 && reference == 0));
}

const NumericFieldFormat& formatFor(int choice) {
    static const NumericFieldFormat formats[] = {
        {9, 3, true, '-', '.'},    {9, 3, true, '-', ','},
        {9, 3, true, '\x96', ','}, // an en dash as some locales' minus sign
        {9, 3, false, '-', '.'},   {6, 0, true, '-', '.'},
    };
    return formats[choice % (sizeof formats / sizeof formats[0])];
}

// Characters worth typing: mostly digits, the sign and the point.
unsigned char typedCharacter(FuzzedDataProvider& input, const NumericFieldFormat& format) {
    const unsigned char pick = input.ConsumeIntegral<unsigned char>();
    switch (pick % 8) {
    case 0:
        return static_cast<unsigned char>(format.negativeSign);
    case 1:
        return static_cast<unsigned char>(format.decimalPoint);
    case 2:
        return static_cast<unsigned char>(pick / 8); // control characters and ASCII
    case 3:
        return input.ConsumeIntegral<unsigned char>(); // anything at all
    default:
        return static_cast<unsigned char>('0' + pick % 10);
    }
}

int position(FuzzedDataProvider& input, int length) {
    const int pick = input.ConsumeIntegralInRange<int>(-2, length + 2);
    return pick == -2 ? 0 : pick; // -1 and beyond the end as EM_SETSEL takes them
}

void checkFilteredField(FuzzedDataProvider& input) {
    FilteredFieldFormat format;
    format.maxLength = input.ConsumeIntegralInRange<int>(0, 40);
    format.forbidden = "%'*\"+?><:\\";
    const std::string text = input.ConsumeRandomLengthString(200);
    const std::string valid = filteredValidText(text, format);
    FUZZ_CHECK(filteredValidText(valid, format) == valid);
    FUZZ_CHECK(valid.find_first_of(format.forbidden) == std::string::npos);
    FUZZ_CHECK(format.maxLength == 0 || valid.size() <= static_cast<size_t>(format.maxLength));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const NumericFieldFormat& format = formatFor(input.ConsumeIntegral<std::uint8_t>());
    NumericFieldModel field(format);
    field.edit().setClipboard(input.ConsumeRandomLengthString(40));
    field.setText(input.ConsumeRandomLengthString(40));
    checkField(field, format);

    // FUZZ_TRACE=1 prints every step, for reading a finding.
    static const bool trace = std::getenv("FUZZ_TRACE") != nullptr;
    while (input.remaining_bytes() > 0) {
        const int step = input.ConsumeIntegralInRange<int>(0, 15);
        if (trace) {
            std::fprintf(stderr, "[%s] %d..%d step %d\n", field.edit().text().c_str(),
                         field.edit().selection().start, field.edit().selection().end, step);
        }
        switch (step) {
        case 0:
            field.edit().select(
                {position(input, field.edit().length()), position(input, field.edit().length())});
            break;
        case 1:
            field.deleteKey();
            break;
        case 2:
            field.cut();
            break;
        case 3:
            field.clear();
            break;
        case 4:
            field.edit().setClipboard(input.ConsumeRandomLengthString(40));
            field.paste(input.ConsumeIntegral<std::uint8_t>() % 8 != 0);
            break;
        case 5:
            field.setText(input.ConsumeRandomLengthString(40));
            break;
        case 6: {
            const double value = input.ConsumeFloatingPoint<double>();
            const bool trim = input.ConsumeBool();
            field.setValue(value, trim);
            // Within the nine whole digits the value survives to the field's
            // three decimals.
            if (std::fabs(value) < 999999999.0 && format.maxWholeDigits == 9 &&
                format.maxDecimalPlaces == 3 && (format.negativesAllowed || value >= 0)) {
                FUZZ_CHECK(std::fabs(field.value() - value) <=
                           0.0010000001 + std::fabs(value) * 1e-15);
            }
            break;
        }
        case 7:
            checkFilteredField(input);
            break;
        default: {
            const unsigned char character = typedCharacter(input, format);
            if (trace) {
                std::fprintf(stderr, "  typed 0x%02X\n", character);
            }
            field.typed(character);
            break;
        }
        }
        checkField(field, format);
    }
    return 0;
}
