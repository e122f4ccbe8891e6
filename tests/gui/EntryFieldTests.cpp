// The entry fields on real edit controls: typing, Delete, clipboard, set
// text, values, colours, undo and change notifications.
#include "tests/gui/GuiHarness.h"
#include "ui/controls/FilteredTextField.h"
#include "ui/controls/NumericEntryField.h"
#include "win32/Text1252.h"

#include <gtest/gtest.h>

using namespace gui;

namespace {

// A hidden parent window with one edit control taken over by `field`. The
// parent counts EN_CHANGE and reflects colour requests to the field.
class FieldHost {
public:
    explicit FieldHost(EntryField& field, DWORD extraStyle = 0) : field_(field) {
        static const bool registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = &FieldHost::procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"OlvaneFieldHost";
            return RegisterClassW(&windowClass) != 0;
        }();
        EXPECT_TRUE(registered);
        parent_ = CreateWindowExW(0, L"OlvaneFieldHost", L"host", WS_POPUP, 0, 0, 300, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(parent_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        edit_ = CreateWindowExW(0, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | extraStyle, 10,
                                10, 200, 24, parent_, reinterpret_cast<HMENU>(1003),
                                GetModuleHandleW(nullptr), nullptr);
        EXPECT_TRUE(field.attachWindow(edit_));
    }
    ~FieldHost() { DestroyWindow(parent_); }

    HWND edit() const { return edit_; }
    int changes() const { return changes_; }
    std::string text() const { return WindowText(edit_); }
    TextSelection selection() const {
        DWORD start = 0, end = 0;
        SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }
    void set(const std::string& text, int start, int end) {
        SetWindowTextW(edit_, widen1252(text).c_str());
        SetSelection(edit_, start, end);
        changes_ = 0;
    }
    void type(const std::string& characters) { TypeText(edit_, characters); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* host = reinterpret_cast<FieldHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (host != nullptr) {
            if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
                ++host->changes_;
            }
            if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
                if (const auto result = host->field_.handleReflected(message, wParam, lParam)) {
                    return *result;
                }
            }
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    EntryField& field_;
    HWND parent_ = nullptr;
    HWND edit_ = nullptr;
    int changes_ = 0;
};

} // namespace

TEST(NumericEntryFieldWindow, TypedCharactersFollowTheRules) {
    NumericEntryField field(9, 3);
    FieldHost host(field);
    // The process runs with a '.' locale (see cmake/wine-run.sh.in).
    EXPECT_EQ(field.format().decimalPoint, '.');
    EXPECT_EQ(field.format().negativeSign, '-');

    // One character of each outcome on the control (the rules themselves
    // are tested on the in-memory control): dropped, replaced, caret moved,
    // replaced with the selection set, left to the control and normalised.
    host.set("123456789", 9, 9);
    host.type("5");
    EXPECT_EQ(host.text(), "123456789");
    EXPECT_EQ(host.changes(), 0);
    host.set("123456789", 4, 4);
    host.type("0");
    EXPECT_EQ(host.text(), "123406789");
    EXPECT_EQ(host.selection().start, 5);
    EXPECT_EQ(host.changes(), 1);
    // The overwrite is one undoable edit.
    SendMessageW(host.edit(), EM_UNDO, 0, 0);
    EXPECT_EQ(host.text(), "123456789");

    host.set("12.5", 1, 1);
    host.type(".");
    EXPECT_EQ(host.text(), "12.5");
    EXPECT_EQ(host.selection().start, 3);
    EXPECT_EQ(host.changes(), 0);

    host.set("25", 1, 1);
    host.type("-");
    EXPECT_EQ(host.text(), "-25");
    EXPECT_EQ(host.selection().start, 2);

    // Backspacing the point out of 123456789.123 drops the decimals.
    host.set("123456789.123", 10, 10);
    host.type("\b");
    EXPECT_EQ(host.text(), "123456789");

    // A read-only field swallows every character.
    NumericEntryField readOnly(9, 3);
    FieldHost readOnlyHost(readOnly, ES_READONLY);
    readOnlyHost.set("12", 2, 2);
    readOnlyHost.type("3\b-");
    EXPECT_EQ(readOnlyHost.text(), "12");
}

TEST(NumericEntryFieldWindow, DeleteClipboardAndSetTextAreNormalised) {
    NumericEntryField field(9, 3);
    FieldHost host(field);

    // Delete with the selection reaching the end: the caret goes to its start.
    host.set("12.5", 1, 4);
    PressKey(host.edit(), VK_DELETE);
    EXPECT_EQ(host.text(), "1");
    EXPECT_EQ(host.selection().start, 1);
    // Clear behaves like Delete, and only with a selection.
    host.set("12.5", 2, 2);
    SendMessageW(host.edit(), WM_CLEAR, 0, 0);
    EXPECT_EQ(host.text(), "12.5");
    SetSelection(host.edit(), 2, 4);
    SendMessageW(host.edit(), WM_CLEAR, 0, 0);
    EXPECT_EQ(host.text(), "12");

    // Paste: corrected, and the caret returns to where it was. The control
    // is given the corrected text at once: one change, not the pasted text
    // and then its correction.
    host.set("", 0, 0);
    PutOnClipboard(host.edit(), L"abc1,234.5x");
    SendMessageW(host.edit(), WM_PASTE, 0, 0);
    EXPECT_EQ(host.text(), "1234.5");
    EXPECT_EQ(host.selection().start, 0);
    EXPECT_EQ(host.selection().end, 0);
    EXPECT_EQ(host.changes(), 1);
    // A paste that needs no correction is the control's own, caret and all.
    host.set("12", 1, 1);
    PutOnClipboard(host.edit(), L"34");
    SendMessageW(host.edit(), WM_PASTE, 0, 0);
    EXPECT_EQ(host.text(), "1342");
    EXPECT_EQ(host.selection().start, 3);
    SendMessageW(host.edit(), EM_UNDO, 0, 0);
    EXPECT_EQ(host.text(), "12");
    // Characters outside Windows-1252 are dropped like any other.
    host.set("", 0, 0);
    PutOnClipboard(host.edit(), L"4\x0416"
                                L"\x20AC"
                                L"2");
    SendMessageW(host.edit(), WM_PASTE, 0, 0);
    EXPECT_EQ(host.text(), "42");

    // Cut the 5 out of -5: the sign stays alone and reads as 0.
    host.set("-5", 1, 2);
    SendMessageW(host.edit(), WM_CUT, 0, 0);
    EXPECT_EQ(host.text(), "-");
    EXPECT_EQ(ClipboardText(host.edit()), L"5");
    EXPECT_EQ(field.GetValue(), 0.0);

    // Set text is corrected before the control takes it: one change.
    host.set("", 0, 0);
    SetWindowTextW(host.edit(), L"12a3.4.56789");
    EXPECT_EQ(host.text(), "123.456");
    EXPECT_EQ(host.changes(), 1);
    SetWindowTextW(host.edit(), L"-7.5");
    EXPECT_EQ(host.text(), "-7.5");
    EXPECT_EQ(host.changes(), 2);
}

// The field's own format in both directions (the texts are the core's tests):
// the set text raises a change, nine whole digits are kept.
TEST(NumericEntryFieldWindow, SetValueAndGetValueInTheFieldsFormat) {
    NumericEntryField field(9, 3);
    FieldHost host(field);
    host.set("", 0, 0);
    field.SetValue(375.3355793, true);
    EXPECT_EQ(host.text(), "375.336");
    EXPECT_EQ(host.changes(), 1);
    field.SetValue(1e10, true);
    EXPECT_EQ(host.text(), "100000000");
    field.SetValue(12.5, false);
    EXPECT_EQ(host.text(), "12.500");
    EXPECT_DOUBLE_EQ(field.GetValue(), 12.5);
    SetWindowTextW(host.edit(), L"-");
    EXPECT_EQ(field.GetValue(), 0.0);

    NumericFieldFormat format;
    format.decimalPoint = ',';
    NumericEntryField comma(format);
    FieldHost commaHost(comma);
    comma.SetValue(-0.25, true);
    EXPECT_EQ(commaHost.text(), "-0,25");
    EXPECT_DOUBLE_EQ(comma.GetValue(), -0.25);
}

TEST(EntryFieldWindow, BackgroundColourAnswersTheColourRequest) {
    NumericEntryField field(9, 3);
    FieldHost host(field);
    HDC dc = GetDC(host.edit());
    EXPECT_FALSE(field.handleReflected(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(host.edit()))
                     .has_value());
    field.SetBackgroundColour(RGB(242, 246, 251));
    const LRESULT answered =
        SendMessageW(GetParent(host.edit()), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(host.edit()));
    EXPECT_NE(answered, 0);
    EXPECT_EQ(GetBkColor(dc), RGB(242, 246, 251));
    LOGBRUSH description{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(answered), sizeof description, &description);
    EXPECT_EQ(description.lbColor, RGB(242, 246, 251));
    // A new colour replaces the brush.
    field.SetBackgroundColour(RGB(1, 2, 3));
    EXPECT_TRUE(field.handleReflected(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(host.edit()))
                    .has_value());
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    ReleaseDC(host.edit(), dc);
}

TEST(FilteredTextFieldWindow, ForbiddenCharactersDisappear) {
    FilteredTextField field(0, "%'*\"+?><:\\");
    FieldHost host(field, ES_READONLY);
    SetWindowTextW(host.edit(), L"Heading: \"a*b\" 100% <c>?");
    EXPECT_EQ(host.text(), "Heading ab 100 c");
    host.type("x");
    EXPECT_EQ(host.text(), "Heading ab 100 c");

    FilteredTextField limited(5, ":");
    FieldHost limitedHost(limited);
    limitedHost.set("", 0, 0);
    limitedHost.type("ab:cdefg");
    EXPECT_EQ(limitedHost.text(), "abcde");
}
