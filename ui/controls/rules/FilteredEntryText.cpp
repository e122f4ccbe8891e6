#include "ui/controls/rules/FilteredEntryText.h"

std::string filteredValidText(const std::string& text, const FilteredFieldFormat& format) {
    std::string result;
    const size_t limit = format.maxLength > 0 ? static_cast<size_t>(format.maxLength) : text.size();
    for (size_t i = 0; i < text.size() && i < limit; ++i) {
        if (format.forbidden.find(text[i]) == std::string::npos) {
            result += text[i];
        }
    }
    return result;
}

KeystrokeOutcome filteredTypedCharacter(unsigned char typed, bool readOnly,
                                        const FilteredFieldFormat& format) {
    KeystrokeOutcome outcome;
    if (readOnly) {
        return outcome;
    }
    const bool control = typed < 0x20 || typed == 0x7F;
    if (!control && format.forbidden.find(static_cast<char>(typed)) != std::string::npos) {
        return outcome;
    }
    outcome.action = KeystrokeAction::Default;
    outcome.normaliseAfter = true;
    return outcome;
}
