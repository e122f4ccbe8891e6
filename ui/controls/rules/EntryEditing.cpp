#include "ui/controls/rules/EntryEditing.h"

#include "ui/controls/rules/PastedText.h"

void normaliseText(EditTarget& target, const ValidTextRule& validText) {
    const TextSelection kept = target.selection();
    const std::string current = target.text();
    const std::string valid = validText(current);
    if (valid != current) {
        target.setText(valid);
    }
    target.select(kept);
}

void applyKeystroke(EditTarget& target, const KeystrokeOutcome& outcome, unsigned char typed,
                    const ValidTextRule& validText) {
    switch (outcome.action) {
    case KeystrokeAction::Drop:
        return;
    case KeystrokeAction::MoveCaret:
        target.select(outcome.selectionAfter);
        return;
    case KeystrokeAction::Replace:
        target.select(outcome.range);
        target.replaceSelection(outcome.replacement, true);
        if (outcome.setsSelection) {
            target.select(outcome.selectionAfter);
        }
        break;
    case KeystrokeAction::Default:
        target.defaultCharacter(typed);
        break;
    }
    if (outcome.normaliseAfter) {
        normaliseText(target, validText);
    }
}

void applyDeleteKey(EditTarget& target, const ValidTextRule& validText) {
    const TextSelection before = target.selection();
    const int lengthBefore = static_cast<int>(target.text().size());
    target.defaultDeleteKey();
    normaliseText(target, validText);
    if (before.end == lengthBefore) {
        target.select({before.start, before.start});
    }
}

void applyCut(EditTarget& target, const ValidTextRule& validText) {
    const TextSelection selection = target.selection();
    if (selection.start < selection.end && !target.readOnly()) {
        target.copySelection();
        target.replaceSelection(std::string(), false);
        normaliseText(target, validText);
    }
}

void applyPaste(EditTarget& target, const std::optional<std::string>& clipboard, int limit,
                const ValidTextRule& validText) {
    const TextSelection before = target.selection();
    if (clipboard) {
        const std::string pasted = pastedText(target.text(), before, *clipboard, limit);
        const std::string valid = validText(pasted);
        if (valid == pasted) {
            target.defaultPaste();
        } else {
            target.setText(valid);
            target.select(before);
        }
        return;
    }
    target.defaultPaste();
    const std::string current = target.text();
    const std::string valid = validText(current);
    if (valid != current) {
        target.setText(valid);
        target.select(before);
    }
}
