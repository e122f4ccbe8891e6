// Fuzzes the numeric entry field's text rules with sequences of edits.
//
// The target plays a single-line edit control with the numeric field's
// handlers in front of it, the way the field applies the rules' answers:
// typed characters (digits, the sign, the point, letters, Backspace and the
// editing shortcuts), the Delete key, pasting, cutting, set-text, SetValue
// and selections of any kind. After every step the text must be its own
// valid text (at most 9 whole digits, at most 3 decimals, one point, the
// sign only in front), the selection must lie within it, and GetValue must
// give a finite number that agrees with the text.
#include "FuzzCheck.h"

#include "ui/controls/rules/FilteredEntryText.h"
#include "ui/controls/rules/NumericEntryText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr unsigned char BACKSPACE = 0x08;
constexpr unsigned char CTRL_C = 0x03;
constexpr unsigned char CTRL_V = 0x16;
constexpr unsigned char CTRL_X = 0x18;
constexpr unsigned char CTRL_Z = 0x1A;

// The state an edit control keeps, and its ordinary handling of messages.
struct EditControl {
    std::string text;
    TextSelection selection;
    std::string undoText; // the text before the last undoable change
    std::string clipboard;

    int length() const { return static_cast<int>(text.size()); }

    // EM_SETSEL: -1 as the start removes the selection, -1 as the end means
    // the end of the text; positions are held within the text, start first.
    void select(int start, int end) {
        if (start == -1) {
            selection = {selection.start, selection.start};
            return;
        }
        auto clamp = [this](int position) {
            return position < 0 || position > length() ? length() : position;
        };
        start = clamp(start);
        end = clamp(end);
        if (start > end) {
            std::swap(start, end);
        }
        selection = {start, end};
    }

    // EM_REPLACESEL: the selection becomes the caret after the new text.
    void replaceSelection(const std::string& replacement, bool undoable) {
        if (undoable) {
            undoText = text;
        }
        text.replace(static_cast<size_t>(selection.start),
                     static_cast<size_t>(selection.end - selection.start), replacement);
        const int caret = selection.start + static_cast<int>(replacement.size());
        selection = {caret, caret};
    }

    // WM_SETTEXT: the caret goes to the start and the undo buffer is emptied.
    void setText(const std::string& newText) {
        text = newText;
        selection = {0, 0};
        undoText = newText;
    }

    void backspace() {
        if (selection.start == selection.end && selection.start > 0) {
            selection.start -= 1;
        }
        replaceSelection(std::string(), true);
    }

    void deleteForward() {
        if (selection.start == selection.end && selection.end < length()) {
            selection.end += 1;
        }
        replaceSelection(std::string(), true);
    }

    void undo() {
        std::swap(text, undoText);
        selection = {0, length()};
    }
};

// The numeric field in front of the edit control.
class NumericFieldModel {
public:
    explicit NumericFieldModel(const NumericFieldFormat& format) : format_(format) {}

    EditControl& edit() { return edit_; }

    void typed(unsigned char character) {
        const KeystrokeOutcome outcome =
            numericTypedCharacter(edit_.text, edit_.selection, character, false, format_);
        switch (outcome.action) {
        case KeystrokeAction::Drop:
            return;
        case KeystrokeAction::MoveCaret:
            edit_.select(outcome.selectionAfter.start, outcome.selectionAfter.end);
            return;
        case KeystrokeAction::Replace:
            edit_.select(outcome.range.start, outcome.range.end);
            edit_.replaceSelection(outcome.replacement, true);
            if (outcome.setsSelection) {
                edit_.select(outcome.selectionAfter.start, outcome.selectionAfter.end);
            }
            break;
        case KeystrokeAction::Default:
            typedByEditControl(character);
            break;
        }
        if (outcome.normaliseAfter) {
            normalise();
        }
    }

    void deleteKey() {
        const TextSelection before = edit_.selection;
        const int lengthBefore = edit_.length();
        edit_.deleteForward();
        normalise();
        if (before.end == lengthBefore) {
            edit_.select(before.start, before.start);
        }
    }

    // WM_CUT (the context menu's Cut, or Ctrl+X through the edit control):
    // the rest is normalised, since a cut can join digits across the point.
    void cut() {
        const TextSelection selection = edit_.selection;
        if (selection.start < selection.end) {
            edit_.clipboard =
                edit_.text.substr(static_cast<size_t>(selection.start),
                                  static_cast<size_t>(selection.end - selection.start));
            edit_.replaceSelection(std::string(), false);
            normalise();
        }
    }

    // WM_CLEAR behaves as the Delete key when there is a selection.
    void clear() {
        if (edit_.selection.start < edit_.selection.end) {
            deleteKey();
        }
    }

    void paste() {
        const TextSelection before = edit_.selection;
        // A single-line edit control pastes the clipboard up to its first
        // line break.
        const std::string pasted = edit_.clipboard.substr(0, edit_.clipboard.find_first_of("\r\n"));
        edit_.replaceSelection(pasted, true);
        const std::string valid = numericValidText(edit_.text, format_);
        if (valid != edit_.text) {
            setText(valid);
            edit_.select(before.start, before.end);
        }
    }

    void setText(const std::string& newText) {
        edit_.setText(newText);
        const std::string valid = numericValidText(newText, format_);
        if (valid != newText) {
            edit_.setText(valid);
        }
    }

    void setValue(double value, bool trimZeros) {
        setText(numericValueText(value, trimZeros, format_));
    }

    double value() const { return numericTextValue(edit_.text, format_); }

private:
    void typedByEditControl(unsigned char character) {
        switch (character) {
        case BACKSPACE:
            edit_.backspace();
            break;
        case CTRL_C:
            if (edit_.selection.start < edit_.selection.end) {
                edit_.clipboard = edit_.text.substr(
                    static_cast<size_t>(edit_.selection.start),
                    static_cast<size_t>(edit_.selection.end - edit_.selection.start));
            }
            break;
        case CTRL_V:
            paste();
            break;
        case CTRL_X:
            cut();
            break;
        case CTRL_Z:
            edit_.undo();
            break;
        default:
            if (character >= 0x20 && character != 0x7F) {
                edit_.replaceSelection(std::string(1, static_cast<char>(character)), true);
            }
            break;
        }
    }

    void normalise() {
        const TextSelection kept = edit_.selection;
        const std::string valid = numericValidText(edit_.text, format_);
        if (valid != edit_.text) {
            setText(valid);
        }
        edit_.select(kept.start, kept.end);
    }

    NumericFieldFormat format_;
    EditControl edit_;
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
    EditControl& edit = field.edit();
    FUZZ_CHECK(numericValidText(edit.text, format) == edit.text);
    checkShape(edit.text, format);
    FUZZ_CHECK(0 <= edit.selection.start && edit.selection.start <= edit.selection.end &&
               edit.selection.end <= edit.length());
    const double value = field.value();
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(std::fabs(value) < 1e9);
    const double reference = referenceValue(edit.text, format);
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
    field.edit().clipboard = input.ConsumeRandomLengthString(40);
    field.setText(input.ConsumeRandomLengthString(40));
    checkField(field, format);

    // FUZZ_TRACE=1 prints every step, for reading a finding.
    static const bool trace = std::getenv("FUZZ_TRACE") != nullptr;
    while (input.remaining_bytes() > 0) {
        const int step = input.ConsumeIntegralInRange<int>(0, 15);
        if (trace) {
            std::fprintf(stderr, "[%s] %d..%d step %d\n", field.edit().text.c_str(),
                         field.edit().selection.start, field.edit().selection.end, step);
        }
        switch (step) {
        case 0:
            field.edit().select(position(input, field.edit().length()),
                                position(input, field.edit().length()));
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
            field.edit().clipboard = input.ConsumeRandomLengthString(40);
            field.paste();
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
