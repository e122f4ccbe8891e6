#include "ui/controls/EntryField.h"

#include "ui/controls/rules/PastedText.h"
#include "win32/Text1252.h"
#include "win32/WindowText.h"

#include <vector>

void EntryField::SetBackgroundColour(COLORREF colour) {
    background_.reset(CreateSolidBrush(colour));
    backgroundColour_ = colour;
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

void EntryField::normalise() {
    const TextSelection kept = selection();
    const std::string current = text();
    const std::string valid = validText(current);
    if (valid != current) {
        setText(valid);
    }
    select(kept);
}

bool EntryField::handleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) && background_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), backgroundColour_);
        result = reinterpret_cast<LRESULT>(background_.get());
        return true;
    }
    return false;
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
    const KeystrokeOutcome outcome = typedCharacter(text(), selection(), typed);
    switch (outcome.action) {
    case KeystrokeAction::Drop:
        return 0;
    case KeystrokeAction::MoveCaret:
        select(outcome.selectionAfter);
        return 0;
    case KeystrokeAction::Replace:
        select(outcome.range);
        replaceSelection(outcome.replacement, true);
        if (outcome.setsSelection) {
            select(outcome.selectionAfter);
        }
        if (outcome.normaliseAfter) {
            normalise();
        }
        return 0;
    case KeystrokeAction::Default: {
        const LRESULT result = defaultHandling(WM_CHAR, wParam, lParam);
        if (outcome.normaliseAfter) {
            normalise();
        }
        return result;
    }
    }
    return 0;
}

LRESULT EntryField::onKeyDown(WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_DELETE) {
        return defaultHandling(WM_KEYDOWN, wParam, lParam);
    }
    const TextSelection before = selection();
    const int lengthBefore = static_cast<int>(text().size());
    const LRESULT result = defaultHandling(WM_KEYDOWN, wParam, lParam);
    normalise();
    if (before.end == lengthBefore) {
        select({before.start, before.start});
    }
    return result;
}

LRESULT EntryField::onCut() {
    const TextSelection sel = selection();
    if (sel.start < sel.end && !isReadOnly()) {
        SendMessageW(hwnd(), WM_COPY, 0, 0);
        replaceSelection(std::string(), false);
        // Cutting can join digits across the point ("123456789.123" without
        // the point has twelve whole digits): the rest is brought back to its
        // valid form, as after every other edit.
        normalise();
    }
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
LRESULT EntryField::onPaste(WPARAM wParam, LPARAM lParam) {
    const TextSelection before = selection();
    std::wstring clipboard;
    const bool singleLine = (GetWindowLongPtrW(hwnd(), GWL_STYLE) & ES_MULTILINE) == 0;
    if (singleLine && !isReadOnly() && clipboardText(hwnd(), clipboard)) {
        const int limit = static_cast<int>(SendMessageW(hwnd(), EM_GETLIMITTEXT, 0, 0));
        const std::string pasted = pastedText(text(), before, narrow1252(clipboard), limit);
        const std::string valid = validText(pasted);
        if (valid == pasted) {
            return defaultHandling(WM_PASTE, wParam, lParam);
        }
        setText(valid);
        select(before);
        return 0;
    }
    // A read-only or multi-line control, or a clipboard that could not be
    // read here: paste, then correct.
    const LRESULT result = defaultHandling(WM_PASTE, wParam, lParam);
    const std::string current = text();
    const std::string valid = validText(current);
    if (valid != current) {
        setText(valid);
        select(before);
    }
    return result;
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
