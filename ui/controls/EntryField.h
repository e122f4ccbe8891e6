#pragma once
// Base of the program's entry fields: an edit control of a dialog, taken
// over by ID, whose text a rule of the derived class keeps valid. The field
// forwards typed characters to the rule and applies the edit it returns;
// pasted, cut, cleared and set texts are corrected to the valid text. Every
// change reaches the parent through the edit control's own EN_CHANGE.
//
// It also paints its background and text in colours of the owner's choosing,
// answering the WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC requests the dialog
// reflects to it.
#include "ui/controls/rules/EntryTextEdit.h"
#include "ui/framework/SubclassedControl.h"
#include "win32/Unique.h"

#include <string>
#include <optional>
#include <windows.h>

class EntryField : public SubclassedControl {
public:
    // Replaces the field's background brush with a solid one of `colour` and
    // repaints the field.
    void SetBackgroundColour(COLORREF colour);
    // The text's colour once a background colour is set; black until changed.
    void setTextColour(COLORREF colour);

    // The field's text, as Windows-1252.
    std::string text() const;
    void setText(const std::string& text);
    TextSelection selection() const;
    bool isReadOnly() const;

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // The text in the field's valid form.
    virtual std::string validText(const std::string& text) const = 0;
    // What to do with a typed character (a Windows-1252 byte).
    virtual KeystrokeOutcome typedCharacter(const std::string& text, TextSelection selection,
                                            unsigned char typed) const = 0;

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT onChar(WPARAM wParam, LPARAM lParam);
    LRESULT onKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT onCut();
    LRESULT onClear();
    LRESULT onPaste(WPARAM wParam, LPARAM lParam);
    LRESULT onSetText(WPARAM wParam, LPARAM lParam);

    void select(TextSelection selection);
    void replaceSelection(const std::string& replacement, bool undoable);

    // The edit control as the shared editing steps (EntryEditing.h) see it
    // while the field handles one message.
    class Edit;

    UniqueBrush background_;
    COLORREF backgroundColour_ = RGB(255, 255, 255);
    COLORREF textColour_ = RGB(0, 0, 0);
};
