#pragma once
// A single-line edit control in memory, standing in for the Windows one in
// the core tests and the entry-text fuzzer: the text, the selection, one
// level of undo and a clipboard, with the control's own handling of typed
// characters, the Delete key and paste. The entry fields' editing steps
// (EntryEditing.h) run on it as they run on the real control.
#include "ui/controls/rules/EntryEditing.h"
#include "ui/controls/rules/PastedText.h"

#include <functional>
#include <string>
#include <utility>

class EditControlModel : public EditTarget {
public:
    EditControlModel() = default;
    EditControlModel(std::string text, TextSelection selection) : text_(std::move(text)) {
        select(selection);
    }

    std::string text() const override { return text_; }
    TextSelection selection() const override { return selection_; }
    bool readOnly() const override { return readOnly_; }
    int length() const { return static_cast<int>(text_.size()); }

    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    const std::string& clipboard() const { return clipboard_; }
    void setClipboard(std::string text) { clipboard_ = std::move(text); }

    // What Ctrl+V and Ctrl+X send to the control (WM_PASTE, WM_CUT): the
    // field's handlers in front of it. Unset, the control's own.
    std::function<void()> pasteMessage;
    std::function<void()> cutMessage;

    // -1 as the start removes the selection; a position below 0 or beyond
    // the text means its end; the selection is held start first.
    void select(TextSelection selection) override {
        if (selection.start == -1) {
            selection_ = {selection_.start, selection_.start};
            return;
        }
        auto clamp = [this](int position) {
            return position < 0 || position > length() ? length() : position;
        };
        int start = clamp(selection.start);
        int end = clamp(selection.end);
        if (start > end) {
            std::swap(start, end);
        }
        selection_ = {start, end};
    }

    void replaceSelection(const std::string& replacement, bool undoable) override {
        if (undoable) {
            undoText_ = text_;
        }
        text_.replace(static_cast<size_t>(selection_.start),
                      static_cast<size_t>(selection_.end - selection_.start), replacement);
        const int caret = selection_.start + static_cast<int>(replacement.size());
        selection_ = {caret, caret};
    }

    void setText(const std::string& text) override {
        text_ = text;
        selection_ = {0, 0};
        undoText_ = text;
    }

    void copySelection() override {
        if (selection_.start < selection_.end) {
            clipboard_ = text_.substr(static_cast<size_t>(selection_.start),
                                      static_cast<size_t>(selection_.end - selection_.start));
        }
    }

    void defaultCharacter(unsigned char typed) override {
        switch (typed) {
        case 0x08: // Backspace: the selection, or the character before the caret
            if (selection_.start == selection_.end && selection_.start > 0) {
                selection_.start -= 1;
            }
            replaceSelection(std::string(), true);
            break;
        case 0x03: // Ctrl+C
            copySelection();
            break;
        case 0x16: // Ctrl+V
            pasteMessage ? pasteMessage() : defaultPaste();
            break;
        case 0x18: // Ctrl+X
            if (cutMessage) {
                cutMessage();
            } else if (selection_.start < selection_.end) {
                copySelection();
                replaceSelection(std::string(), true);
            }
            break;
        case 0x1A: // Ctrl+Z swaps in the text before the last undoable change
            std::swap(text_, undoText_);
            selection_ = {0, length()};
            break;
        default:
            if (typed >= 0x20 && typed != 0x7F) {
                replaceSelection(std::string(1, static_cast<char>(typed)), true);
            }
            break;
        }
    }

    // The selection, or the character after the caret.
    void defaultDeleteKey() override {
        if (selection_.start == selection_.end && selection_.end < length()) {
            selection_.end += 1;
        }
        replaceSelection(std::string(), true);
    }

    // The first line of the clipboard over the selection, without limit
    // (the line is what pasting it into an empty control gives).
    void defaultPaste() override {
        replaceSelection(pastedText(std::string(), {}, clipboard_, 0), true);
    }

private:
    std::string text_;
    TextSelection selection_;
    std::string undoText_; // the text before the last undoable change
    std::string clipboard_;
    bool readOnly_ = false;
};
