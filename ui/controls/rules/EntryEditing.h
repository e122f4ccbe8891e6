#pragma once
// How an entry field applies its text rules to the edit control in front of
// which it sits: a typed character's outcome, the Delete key, cut and paste,
// each followed where needed by bringing the text back to its valid form.
// The edit control is reached through EditTarget, so the same steps run on
// a real control (the Win32 side) and on an in-memory one (tests, fuzzing).
#include "ui/controls/rules/EntryTextEdit.h"

#include <functional>
#include <optional>
#include <string>

// An edit control as the editing steps see it. Positions and texts are as in
// EntryTextEdit.h (one Windows-1252 byte per character).
class EditTarget {
public:
    virtual ~EditTarget() = default;

    virtual std::string text() const = 0;
    // Start first, within the text.
    virtual TextSelection selection() const = 0;
    virtual bool readOnly() const = 0;

    // EM_SETSEL: -1 as the start removes the selection, positions beyond
    // the text mean its end.
    virtual void select(TextSelection selection) = 0;
    // EM_REPLACESEL: the selection becomes the caret after the new text.
    virtual void replaceSelection(const std::string& replacement, bool undoable) = 0;
    // WM_SETTEXT of a text that is already valid: the caret goes to the
    // start and the undo buffer is emptied.
    virtual void setText(const std::string& text) = 0;
    // WM_COPY: the selection onto the clipboard.
    virtual void copySelection() = 0;

    // The control's own handling of the typed character `typed`, of the
    // Delete key and of a paste.
    virtual void defaultCharacter(unsigned char typed) = 0;
    virtual void defaultDeleteKey() = 0;
    virtual void defaultPaste() = 0;
};

// The field's valid-text rule: the text in the field's valid form.
using ValidTextRule = std::function<std::string(const std::string&)>;

// Brings the text to its valid form and puts back the selection it had (a
// plain select: the caret is not scrolled into view).
void normaliseText(EditTarget& target, const ValidTextRule& validText);

// Applies what the field's rule decided for the typed character `typed`.
void applyKeystroke(EditTarget& target, const KeystrokeOutcome& outcome, unsigned char typed,
                    const ValidTextRule& validText);

// The Delete key: the control deletes, the text is normalised, and when the
// selection reached the end of the text the caret goes to its start.
void applyDeleteKey(EditTarget& target, const ValidTextRule& validText);

// Cut: a selection of an editable control goes to the clipboard and the
// rest is normalised, since a cut can join digits across the point.
void applyCut(EditTarget& target, const ValidTextRule& validText);

// Paste. `clipboard` is the text the control's own paste would insert from
// (the whole clipboard text) when the field could read it for a single-line
// control that is not read-only; `limit` is the control's text limit (0 or
// less: none). With it, the pasted text is worked out first (pastedText):
// when it is valid the control pastes, otherwise the valid text is set at
// once and the selection put back, so the control never holds characters the
// field drops. Without it the control pastes and the text is corrected after.
void applyPaste(EditTarget& target, const std::optional<std::string>& clipboard, int limit,
                const ValidTextRule& validText);
