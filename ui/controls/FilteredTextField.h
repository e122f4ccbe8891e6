#pragma once
// An entry field from whose text a fixed set of characters is removed,
// whether typed, pasted or set; optionally cut to a maximum length.
#include "ui/controls/EntryField.h"
#include "ui/controls/rules/FilteredEntryText.h"

class FilteredTextField : public EntryField {
public:
    // `maxLength` 0 means no limit; `forbidden` lists the removed characters
    // (Windows-1252).
    FilteredTextField(int maxLength, std::string forbidden);

protected:
    std::string validText(const std::string& text) const override;
    KeystrokeOutcome typedCharacter(const std::string& text, TextSelection selection,
                                    unsigned char typed) const override;

private:
    FilteredFieldFormat format_;
};
