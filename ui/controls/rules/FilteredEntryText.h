#pragma once
// The text rules of a filtered text field: a fixed set of characters is
// removed from whatever the field holds.
#include "ui/controls/rules/EntryTextEdit.h"

#include <string>

struct FilteredFieldFormat {
    int maxLength = 0;     // 0: no limit
    std::string forbidden; // characters removed from the text
};

// The text cut to the maximum length (when above 0), then stripped of every
// forbidden character.
std::string filteredValidText(const std::string& text, const FilteredFieldFormat& format);

// A typed character: dropped when forbidden or when the field is read-only;
// otherwise the edit control takes it and the text is brought back to its
// valid form (which enforces the maximum length).
KeystrokeOutcome filteredTypedCharacter(unsigned char typed, bool readOnly,
                                        const FilteredFieldFormat& format);
