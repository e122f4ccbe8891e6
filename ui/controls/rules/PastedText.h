#pragma once
// What an edit control's own paste makes of a text: the clipboard text, up
// to its first line break for a single-line control, replaces the selection,
// and no more of it is inserted than the control's text limit leaves room
// for. The entry fields work this out before the paste so that they can put
// the corrected text in at once: the edit control never shows, and never has
// to lay out, characters that the field would drop again.
#include "ui/controls/rules/EntryTextEdit.h"

#include <string>

// The text after pasting `clipboard` over `selection` of `text` in a
// single-line control that holds at most `limit` characters (0 or less: no
// limit). A selection outside the text is clamped to it, a reversed one is
// taken in order, as the edit control does.
std::string pastedText(const std::string& text, TextSelection selection,
                       const std::string& clipboard, int limit);
