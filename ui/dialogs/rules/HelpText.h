#pragma once
// The text of the help dialog: the data file's help lines when it has any,
// otherwise the program's own help text.
#include "database/RefrigerantDatabase.h"

#include <string>

// The characters the help text box removes from whatever it shows: percent
// sign, apostrophe, asterisk, double quote, plus sign, question mark,
// greater-than, less-than, colon and backslash.
extern const char* const HELP_FORBIDDEN_CHARACTERS;

// The built-in help text: 62 lines, each ending in "\r\n", in four blocks
// (title, introduction, installation, system requirements), each block
// followed by two empty lines and each heading by one.
const char* builtInHelpText();

// The data file's help lines 0 to helpLineCount - 1, each followed by
// "\r\n"; the built-in text when there are none.
std::string helpTextFor(const RefrigerantDatabase& db);
