#include "ui/controls/EntryField.h"

#include "ui/controls/rules/EntryEditing.h"
#include "win32/Text1252.h"
#include "win32/WindowText.h"

#include <optional>

// The control's own handling of a character, of the Delete key or of a
// paste is the default handling of the message being handled, whose result
// the field returns.
class EntryField::Edit final : public EditTarget {
public:
    Edit(EntryField& field, UINT message, WPARAM wParam, LPARAM lParam)
        : field_(field), message_(message), wParam_(wParam), lParam_(lParam) {}

    std::string text() const override { return field_.text(); }
    TextSelection selection() const override { return field_.selection(); }
    bool readOnly() const override { return field_.isReadOnly(); }
    void select(TextSelection selection) override { field_.select(selection); }
    void replaceSelection(const std::string& replacement, bool undoable) override {
        field_.replaceSelection(replacement, undoable);
    }
    void setText(const std::string& text) override { field_.setText(text); }
    void copySelection() override { SendMessageW(field_.hwnd(), WM_COPY, 0, 0); }
    // The message carries the character as typed (UTF-16).
    void defaultCharacter(unsigned char) override { passOn(); }
    void defaultDeleteKey() override { passOn(); }
    void defaultPaste() override { passOn(); }

    // The field's valid-text rule.
    ValidTextRule validText() const {
        return [this](const std::string& text) { return field_.validText(text); };
    }
    LRESULT result() const { return result_; }

private:
    void passOn() { result_ = field_.defaultHandling(message_, wParam_, lParam_); }

    EntryField& field_;
    UINT message_;
    WPARAM wParam_;
    LPARAM lParam_;
    LRESULT result_ = 0;
};

void EntryField::SetBackgroundColour(COLORREF colour) {
    background_.reset(CreateSolidBrush(colour));
    backgroundColour_ = colour;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

void EntryField::setTextColour(COLORREF colour) {
    textColour_ = colour;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

std::string EntryField::text() const {
    return narrow1252(windowText(hwnd()));
}

void EntryField::setText(const std::string& text) {
    if (hwnd() != nullptr) {
        SetWindowTextW(hwnd(), widen1252(text).c_str());
    }
}

TextSelection EntryField::selection() const {
    DWORD start = 0;
    DWORD end = 0;
    if (hwnd() != nullptr) {
        SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
    }
    return {static_cast<int>(start), static_cast<int>(end)};
}

bool EntryField::isReadOnly() const {
    return hwnd() != nullptr && (GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_READONLY) != 0;
}

void EntryField::select(TextSelection selection) {
    SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(selection.start),
                 static_cast<LPARAM>(selection.end));
}

void EntryField::replaceSelection(const std::string& replacement, bool undoable) {
    const std::wstring wide = widen1252(replacement);
    SendMessageW(hwnd(), EM_REPLACESEL, undoable ? TRUE : FALSE,
                 reinterpret_cast<LPARAM>(wide.c_str()));
}

std::optional<LRESULT> EntryField::handleReflected(UINT message, WPARAM wParam, LPARAM) {
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) && background_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), backgroundColour_);
        SetTextColor(reinterpret_cast<HDC>(wParam), textColour_);
        return reinterpret_cast<LRESULT>(background_.get());
    }
    return std::nullopt;
}

LRESULT EntryField::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        return onChar(wParam, lParam);
    case WM_KEYDOWN:
        return onKeyDown(wParam, lParam);
    case WM_CUT:
        return onCut();
    case WM_CLEAR:
        return onClear();
    case WM_PASTE:
        return onPaste(wParam, lParam);
    case WM_SETTEXT:
        return onSetText(wParam, lParam);
    case WM_KILLFOCUS: // leaving a field neither checks nor changes it
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

LRESULT EntryField::onChar(WPARAM wParam, LPARAM lParam) {
    const auto wide = static_cast<wchar_t>(wParam);
    const unsigned char typed = wide < 0x20 || wide == 0x7F
                                    ? static_cast<unsigned char>(wide)
                                    : static_cast<unsigned char>(narrow1252(wide));
    Edit edit(*this, WM_CHAR, wParam, lParam);
    applyKeystroke(edit, typedCharacter(text(), selection(), typed), typed, edit.validText());
    return edit.result();
}

LRESULT EntryField::onKeyDown(WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_DELETE) {
        return defaultHandling(WM_KEYDOWN, wParam, lParam);
    }
    Edit edit(*this, WM_KEYDOWN, wParam, lParam);
    applyDeleteKey(edit, edit.validText());
    return edit.result();
}

LRESULT EntryField::onCut() {
    Edit edit(*this, WM_CUT, 0, 0);
    applyCut(edit, edit.validText());
    return 0;
}

LRESULT EntryField::onClear() {
    const TextSelection sel = selection();
    if (sel.start < sel.end) {
        SendMessageW(hwnd(), WM_KEYDOWN, VK_DELETE, 0);
    }
    return 0;
}

namespace {

// The text on the clipboard, when it holds one and can be opened.
bool clipboardText(HWND owner, std::wstring& text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    bool found = false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data != nullptr) {
        const auto* locked = static_cast<const wchar_t*>(GlobalLock(data));
        if (locked != nullptr) {
            // The size bounds the read should the text lack its terminator.
            const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            size_t length = 0;
            while (length < capacity && locked[length] != L'\0') {
                ++length;
            }
            text.assign(locked, length);
            found = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return found;
}

} // namespace

// The outcome is that of letting the edit control paste and then correcting
// its text, but worked out first: a paste that needs correcting sets the
// corrected text at once. Text the field drops never reaches the control, so
// the control never lays out characters a font or its shaping may choke on.
// A read-only or multi-line control, or a clipboard that could not be read
// here, pastes first and is corrected after.
LRESULT EntryField::onPaste(WPARAM wParam, LPARAM lParam) {
    std::optional<std::string> fromClipboard;
    int limit = 0;
    std::wstring clipboard;
    const bool singleLine = (GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_MULTILINE) == 0;
    if (singleLine && !isReadOnly() && clipboardText(hwnd(), clipboard)) {
        fromClipboard = narrow1252(clipboard);
        limit = static_cast<int>(SendMessageW(hwnd(), EM_GETLIMITTEXT, 0, 0));
    }
    Edit edit(*this, WM_PASTE, wParam, lParam);
    applyPaste(edit, fromClipboard, limit, edit.validText());
    return edit.result();
}

// The control is given the valid text straight away, not the text as set
// followed by the corrected one.
LRESULT EntryField::onSetText(WPARAM wParam, LPARAM lParam) {
    const auto* wide = reinterpret_cast<const wchar_t*>(lParam);
    const std::string given = narrow1252(wide != nullptr ? wide : L"");
    const std::string valid = validText(given);
    if (valid == given) {
        return defaultHandling(WM_SETTEXT, wParam, lParam);
    }
    const std::wstring corrected = widen1252(valid);
    return defaultHandling(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(corrected.c_str()));
}
