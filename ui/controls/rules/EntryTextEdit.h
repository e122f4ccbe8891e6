#pragma once
// The vocabulary shared by the entry-field text rules and the window side
// that applies them. Positions count characters of the field's text (single
// Windows-1252 bytes, one per character of the edit control).
#include <string>

// A selection from `start` to `end`; start == end is a plain caret.
struct TextSelection {
    int start = 0;
    int end = 0;
};

// What an entry field does with one typed character.
enum class KeystrokeAction {
    Drop,      // swallow the character
    Default,   // let the edit control handle it in the ordinary way
    Replace,   // select `range` and replace it with `replacement` (undoable)
    MoveCaret, // put the caret at `selectionAfter`, change nothing
};

struct KeystrokeOutcome {
    KeystrokeAction action = KeystrokeAction::Drop;
    TextSelection range;     // Replace: the characters to replace
    std::string replacement; // Replace: the text put in their place
    // Replace and MoveCaret: the selection to set afterwards. When false the
    // edit control's own caret placement stays.
    bool setsSelection = false;
    TextSelection selectionAfter;
    // Default and Replace: afterwards bring the text back to its valid form,
    // keeping the selection the edit control ended with.
    bool normaliseAfter = false;
};
