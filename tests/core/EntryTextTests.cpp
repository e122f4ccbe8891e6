#include "tests/core/EditControlModel.h"
#include "ui/controls/rules/EntryEditing.h"
#include "ui/controls/rules/FilteredEntryText.h"
#include "ui/controls/rules/NumericEntryText.h"
#include "ui/controls/rules/PastedText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// A field as the edit control holds it: the text and the selection.
struct Field {
    std::string text;
    TextSelection selection;
};

Field caretAt(const std::string& text, int position) {
    return {text, {position, position}};
}

const NumericFieldFormat kDot{};

NumericFieldFormat commaFormat() {
    NumericFieldFormat format;
    format.decimalPoint = ',';
    return format;
}

// Types the characters into a field holding `field`, through the field's
// editing steps on an in-memory edit control.
Field type(const Field& field, const std::string& characters,
           const NumericFieldFormat& format = kDot) {
    EditControlModel edit(field.text, field.selection);
    const ValidTextRule validText = [&format](const std::string& text) {
        return numericValidText(text, format);
    };
    for (const char c : characters) {
        const auto typed = static_cast<unsigned char>(c);
        applyKeystroke(edit,
                       numericTypedCharacter(edit.text(), edit.selection(), typed, false, format),
                       typed, validText);
    }
    return {edit.text(), edit.selection()};
}

} // namespace

TEST(NumericValidText, KeepsTheFieldsForm) {
    EXPECT_EQ(numericValidText("12a3.4.56789", kDot), "123.456");
    EXPECT_EQ(numericValidText("5-", kDot), "-5");
    EXPECT_EQ(numericValidText("1234567890.5", kDot), "123456789.5");
    EXPECT_EQ(numericValidText("0.000293", kDot), "0.000");
    EXPECT_EQ(numericValidText("-", kDot), "-");
    EXPECT_EQ(numericValidText("", kDot), "");
    EXPECT_EQ(numericValidText("007", kDot), "007");
    EXPECT_EQ(numericValidText("--1-2", kDot), "-12");
    // Pasted text: the ',' is just another character when '.' is the point.
    EXPECT_EQ(numericValidText("abc1,234.5x", kDot), "1234.5");
    // Backspacing the point out of 123456789.123: the decimals become extra
    // whole digits and are dropped.
    EXPECT_EQ(numericValidText("123456789123", kDot), "123456789");
}

TEST(NumericValidText, LocaleAndFormatVariants) {
    const NumericFieldFormat comma = commaFormat();
    EXPECT_EQ(numericValidText("1.234,56789", comma), "1234,567");
    NumericFieldFormat wholeOnly;
    wholeOnly.maxDecimalPlaces = 0;
    EXPECT_EQ(numericValidText("12.5", wholeOnly), "12");
    NumericFieldFormat positive;
    positive.negativesAllowed = false;
    EXPECT_EQ(numericValidText("-12", positive), "12");
}

TEST(NumericTypedCharacter, WholeDigitLimit) {
    // A tenth whole digit at the end does nothing.
    Field field = type(caretAt("123456789", 9), "5");
    EXPECT_EQ(field.text, "123456789");
    // With the caret after 1234 the digit overwrites the fifth one.
    field = type(caretAt("123456789", 4), "0");
    EXPECT_EQ(field.text, "123406789");
    EXPECT_EQ(field.selection.start, 5);
    // The same with the sign in front: the limit counts the sign.
    field = type(caretAt("-123456789", 10), "5");
    EXPECT_EQ(field.text, "-123456789");
    field = type(caretAt("-123456789", 5), "0");
    EXPECT_EQ(field.text, "-123406789");
    // A selection reaching the end is replaced as a whole.
    field = type({"123456789", {3, 9}}, "7");
    EXPECT_EQ(field.text, "1237");
    // Room left: the digit is inserted.
    field = type(caretAt("12", 1), "5");
    EXPECT_EQ(field.text, "152");
    // Overwriting in front of the sign never leaves ten whole digits.
    field = type(caretAt("-123456789", 0), "4");
    EXPECT_EQ(numericValidText(field.text, kDot), field.text);
}

TEST(NumericTypedCharacter, DecimalLimit) {
    // A fourth decimal at the end does nothing.
    Field field = type(caretAt("1.234", 5), "9");
    EXPECT_EQ(field.text, "1.234");
    // With the caret after 1.2 the digit overwrites the 3.
    field = type(caretAt("1.234", 3), "9");
    EXPECT_EQ(field.text, "1.294");
    EXPECT_EQ(field.selection.start, 4);
    // With the caret before the last decimal the digit overwrites it.
    field = type(caretAt("1.234", 4), "9");
    EXPECT_EQ(field.text, "1.239");
    // Fewer than three decimals: inserted, also before the decimals.
    field = type(caretAt("1.2", 3), "56");
    EXPECT_EQ(field.text, "1.256");
    field = type(caretAt("1.2", 2), "5");
    EXPECT_EQ(field.text, "1.52");
}

TEST(NumericTypedCharacter, PointAndSign) {
    // The point typed elsewhere only moves the caret behind the existing one.
    Field field = type(caretAt("12.5", 1), ".");
    EXPECT_EQ(field.text, "12.5");
    EXPECT_EQ(field.selection.start, 3);
    EXPECT_EQ(field.selection.end, 3);
    // A point inside the selection is replaced like any typed text.
    field = type({"12.5", {1, 3}}, ".");
    EXPECT_EQ(field.text, "1.5");
    // A point where there is none, beyond the whole-digit limit of the rest:
    // the digits after it become decimals and are cut to three.
    field = type(caretAt("123456789", 4), ".");
    EXPECT_EQ(field.text, "1234.567");

    // The sign toggles at the front wherever the caret is; the caret follows.
    field = type(caretAt("25", 1), "-");
    EXPECT_EQ(field.text, "-25");
    EXPECT_EQ(field.selection.start, 2);
    field = type(field, "-");
    EXPECT_EQ(field.text, "25");
    EXPECT_EQ(field.selection.start, 1);
    // At position 0 of a negative number with everything selected: the sign alone.
    field = type({"-25", {0, 3}}, "-");
    EXPECT_EQ(field.text, "-");
    // At position 0 of a negative number: the sign stays, the caret passes it.
    field = type(caretAt("-25", 0), "-");
    EXPECT_EQ(field.text, "-25");
    EXPECT_EQ(field.selection.start, 1);
    // At position 0 of a positive number: inserted.
    field = type(caretAt("25", 0), "-");
    EXPECT_EQ(field.text, "-25");
}

TEST(NumericTypedCharacter, OtherCharactersAndReadOnly) {
    EXPECT_EQ(type(caretAt("12", 2), "a ,x").text, "12");
    // Backspace goes to the edit control and the text is normalised after it.
    Field field = type(caretAt("123456789.123", 10), "\b");
    EXPECT_EQ(field.text, "123456789");
    const KeystrokeOutcome backspace = numericTypedCharacter("1", {1, 1}, '\b', false, kDot);
    EXPECT_EQ(backspace.action, KeystrokeAction::Default);
    EXPECT_TRUE(backspace.normaliseAfter);
    // A read-only field swallows everything, control characters included.
    EXPECT_EQ(numericTypedCharacter("1", {1, 1}, '5', true, kDot).action, KeystrokeAction::Drop);
    EXPECT_EQ(numericTypedCharacter("1", {1, 1}, '\b', true, kDot).action, KeystrokeAction::Drop);
    // A selection given back to front or beyond the text is held within it.
    const KeystrokeOutcome reversed =
        numericTypedCharacter("123456789", {40, -3}, '5', false, kDot);
    EXPECT_EQ(reversed.action, KeystrokeAction::Replace);
    EXPECT_EQ(reversed.range.start, 0);
    EXPECT_EQ(reversed.range.end, 9);
}

TEST(NumericTypedCharacter, CommaAsPoint) {
    const NumericFieldFormat comma = commaFormat();
    Field field = type(caretAt("12", 2), ".,5", comma);
    EXPECT_EQ(field.text, "12,5");
    field = type(caretAt("12,5", 1), ",", comma);
    EXPECT_EQ(field.selection.start, 3);
}

TEST(NumericValueText, RoundsToThreeDecimalsAndTrims) {
    EXPECT_EQ(numericValueText(110, true, kDot), "110");
    EXPECT_EQ(numericValueText(375.33, true, kDot), "375.33");
    EXPECT_EQ(numericValueText(-25, true, kDot), "-25");
    // Rounded, not cut: W to Btu/hr of 110 W.
    EXPECT_EQ(numericValueText(375.3355793, true, kDot), "375.336");
    EXPECT_EQ(numericValueText(0.0002930667, true, kDot), "0");
    EXPECT_EQ(numericValueText(-0.0002, true, kDot), "0");
    EXPECT_EQ(numericValueText(109.99987, true, kDot), "110");
    EXPECT_EQ(numericValueText(0.0005, true, kDot), "0.001");
    EXPECT_EQ(numericValueText(-0.0005, true, kDot), "-0.001");
    EXPECT_EQ(numericValueText(-13.00000001, true, kDot), "-13");
    EXPECT_EQ(numericValueText(89.6, true, kDot), "89.6");
    EXPECT_EQ(numericValueText(12.5, false, kDot), "12.500");
    EXPECT_EQ(numericValueText(12.5, true, commaFormat()), "12,5");
    // Beyond nine whole digits the set-text rule keeps the first nine.
    EXPECT_EQ(numericValidText(numericValueText(1e10, true, kDot), kDot), "100000000");
    EXPECT_EQ(numericValidText(numericValueText(1234567890.5, true, kDot), kDot), "123456789.5");
    EXPECT_EQ(numericValidText(numericValueText(-1e300, true, kDot), kDot), "-100000000");
    // Not a number or infinite: no garbage digits.
    EXPECT_EQ(numericValueText(std::numeric_limits<double>::quiet_NaN(), true, kDot), "0");
    EXPECT_EQ(numericValueText(-std::numeric_limits<double>::infinity(), true, kDot), "0");
}

TEST(NumericValueText, EnergyRoundTripReturnsToTheEnteredValue) {
    // 110 W -> Btu/hr -> W with the program's factors.
    const std::string btu = numericValueText(110 * 3.41214163, true, kDot);
    EXPECT_EQ(btu, "375.336");
    EXPECT_EQ(numericValueText(numericTextValue(btu, kDot) * 0.29307107, true, kDot), "110");
}

TEST(NumericTextValue, ReadsDigitsPointAndSign) {
    EXPECT_EQ(numericTextValue("", kDot), 0.0);
    EXPECT_EQ(numericTextValue("-", kDot), 0.0);
    EXPECT_EQ(numericTextValue(".", kDot), 0.0);
    EXPECT_EQ(numericTextValue("-.", kDot), 0.0);
    EXPECT_DOUBLE_EQ(numericTextValue("375.336", kDot), 375.336);
    EXPECT_DOUBLE_EQ(numericTextValue("-25", kDot), -25.0);
    EXPECT_DOUBLE_EQ(numericTextValue("5-", kDot), -5.0);
    EXPECT_DOUBLE_EQ(numericTextValue("1.2.3", kDot), 1.23);
    EXPECT_DOUBLE_EQ(numericTextValue(".5", kDot), 0.5);
    EXPECT_DOUBLE_EQ(numericTextValue("123456789.123", kDot), 123456789.123);
    EXPECT_DOUBLE_EQ(numericTextValue("12,5", commaFormat()), 12.5);
    // With ',' as the point a '.' is just another character.
    EXPECT_DOUBLE_EQ(numericTextValue("1.5", commaFormat()), 15.0);
    // A very long digit string does not break the conversion.
    EXPECT_TRUE(std::isfinite(numericTextValue(std::string(400, '9'), kDot)));
}

TEST(FilteredEntryText, RemovesForbiddenCharactersAndCuts) {
    FilteredFieldFormat help;
    help.forbidden = "%'*\"+?><:\\";
    EXPECT_EQ(filteredValidText("Heading:", help), "Heading");
    EXPECT_EQ(filteredValidText("a%b'c*d\"e+f?g>h<i:j\\k", help), "abcdefghijk");
    EXPECT_EQ(filteredValidText("keep spaces and \xBA"
                                "C",
                                help),
              "keep spaces and \xBA"
              "C");
    FilteredFieldFormat short3;
    short3.maxLength = 3;
    short3.forbidden = "x";
    EXPECT_EQ(filteredValidText("axbcd", short3), "ab");
    EXPECT_EQ(filteredTypedCharacter(':', false, help).action, KeystrokeAction::Drop);
    EXPECT_EQ(filteredTypedCharacter('a', false, help).action, KeystrokeAction::Default);
    EXPECT_EQ(filteredTypedCharacter('a', true, help).action, KeystrokeAction::Drop);
}

TEST(PastedText, AsASingleLineEditControlPastes) {
    // Over the selection, in either order; a caret inserts.
    EXPECT_EQ(pastedText("1.25", {1, 3}, "9x9", 0), "19x95");
    EXPECT_EQ(pastedText("1.25", {3, 1}, "9x9", 0), "19x95");
    EXPECT_EQ(pastedText("12", {1, 1}, "34", 0), "1342");
    EXPECT_EQ(pastedText("12", {0, 0}, "5", 0), "512");
    EXPECT_EQ(pastedText("", {0, 0}, "abc1,234.5x", 0), "abc1,234.5x");
    // A selection beyond the text is clamped to it.
    EXPECT_EQ(pastedText("12", {-4, 7}, "5", 0), "5");
    EXPECT_EQ(pastedText("12", {9, 9}, "5", 0), "125");
    // The first line only, without the CR of a CR LF; a lone CR stays.
    EXPECT_EQ(pastedText("", {0, 0}, "12\r\n34", 0), "12");
    EXPECT_EQ(pastedText("", {0, 0}, "12\n34", 0), "12");
    EXPECT_EQ(pastedText("7", {1, 1}, "\r\n34", 0), "7");
    EXPECT_EQ(pastedText("", {0, 0}, "1\r2", 0), "1\r2");
    EXPECT_EQ(pastedText("", {0, 0}, "12\r", 0), "12\r");
    // No more than the limit leaves room for; the replaced part makes room.
    EXPECT_EQ(pastedText("1234", {4, 4}, "5678", 6), "123456");
    EXPECT_EQ(pastedText("1234", {0, 2}, "5678", 6), "567834");
    EXPECT_EQ(pastedText("123456", {6, 6}, "7", 6), "123456");
    EXPECT_EQ(pastedText("1234567", {7, 7}, "8", 6), "1234567");
}

namespace {

const ValidTextRule kNumeric = [](const std::string& text) { return numericValidText(text, kDot); };

void expectSelection(const EditTarget& edit, int start, int end) {
    EXPECT_EQ(edit.selection().start, start) << edit.text();
    EXPECT_EQ(edit.selection().end, end) << edit.text();
}

} // namespace

TEST(EntryEditing, DeleteKeyAndCutNormaliseTheRest) {
    // Deleting the point makes the decimals whole digits, which are dropped.
    EditControlModel point("123456789.123", {9, 10});
    applyDeleteKey(point, kNumeric);
    EXPECT_EQ(point.text(), "123456789");
    expectSelection(point, 9, 9);

    // Cut: the selection goes to the clipboard, the rest is normalised.
    EditControlModel joined("123456789.123", {9, 10});
    applyCut(joined, kNumeric);
    EXPECT_EQ(joined.text(), "123456789");
    EXPECT_EQ(joined.clipboard(), ".");
    EditControlModel sign("-5", {1, 2});
    applyCut(sign, kNumeric);
    EXPECT_EQ(sign.text(), "-");
    EXPECT_EQ(sign.clipboard(), "5");
    // Without a selection, or in a read-only control, nothing happens.
    EditControlModel caret("42", {1, 1});
    applyCut(caret, kNumeric);
    EditControlModel locked("42", {0, 2});
    locked.setReadOnly(true);
    applyCut(locked, kNumeric);
    for (const EditControlModel* unchanged : {&caret, &locked}) {
        EXPECT_EQ(unchanged->text(), "42");
        EXPECT_EQ(unchanged->clipboard(), "");
    }
}

TEST(EntryEditing, PasteIsCorrectedWithTheSelectionPutBack) {
    // Valid as pasted: the control's own paste, the caret after the text.
    EditControlModel valid("12", {1, 1});
    valid.setClipboard("34");
    applyPaste(valid, valid.clipboard(), 0, kNumeric);
    EXPECT_EQ(valid.text(), "1342");
    expectSelection(valid, 3, 3);
    // Needing correction: the corrected text, the selection as it was.
    EditControlModel corrected("1.25", {1, 3});
    corrected.setClipboard("9x9\r\n77");
    applyPaste(corrected, corrected.clipboard(), 0, kNumeric);
    EXPECT_EQ(corrected.text(), "1995");
    expectSelection(corrected, 1, 3);
    // A clipboard the field could not read: the control pastes, the text is
    // corrected after.
    EditControlModel unread("", {0, 0});
    unread.setClipboard("5-");
    applyPaste(unread, std::nullopt, 0, kNumeric);
    EXPECT_EQ(unread.text(), "-5");
    expectSelection(unread, 0, 0);
}
