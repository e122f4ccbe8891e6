#include "ui/controls/FilteredTextField.h"

#include <utility>

FilteredTextField::FilteredTextField(int maxLength, std::string forbidden) {
    format_.maxLength = maxLength;
    format_.forbidden = std::move(forbidden);
}

std::string FilteredTextField::validText(const std::string& text) const {
    return filteredValidText(text, format_);
}

KeystrokeOutcome FilteredTextField::typedCharacter(const std::string&, TextSelection,
                                                   unsigned char typed) const {
    return filteredTypedCharacter(typed, isReadOnly(), format_);
}
