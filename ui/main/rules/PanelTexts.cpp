#include "ui/main/rules/PanelTexts.h"

#include "ui/main/rules/FlowLineText.h"
#include "ui/main/rules/ScriptedText.h"
#include "units/Units.h"

#include <algorithm>

namespace {

constexpr char ORDINAL_DEGREE = '\xBA';
constexpr char DEGREE_SIGN = '\xB0';

// The text as a label shows it: every "&" doubled, so that none is taken for
// an access key.
std::string withoutAccessKeys(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out.push_back(c);
        if (c == '&') {
            out.push_back('&');
        }
    }
    return out;
}

std::string withDegreeSigns(std::string text) {
    std::replace(text.begin(), text.end(), ORDINAL_DEGREE, DEGREE_SIGN);
    return text;
}

} // namespace

std::string controlLabelText(const std::string& caption, char accessKey, const char* unit) {
    const std::size_t key = caption.find(accessKey);
    std::string text = withoutAccessKeys(caption.substr(0, key));
    if (key != std::string::npos) {
        text += '&' + withoutAccessKeys(caption.substr(key));
    }
    const std::string unitText = unit != nullptr ? unit : "";
    if (unitText.find_first_not_of(' ') != std::string::npos) {
        text += " (" + withoutAccessKeys(unitText) + ")";
    }
    return withDegreeSigns(text);
}

std::string inputRowLabelText(const InputRowText& row, const UnitSettings& units) {
    return controlLabelText(row.caption, row.accessKey, UnitLabel(units, row.unitKind));
}

std::string recommendationLabelText(const SelectionResult& result, bool runSucceeded,
                                    const UnitSettings& units) {
    std::string outcome;
    if (runSucceeded) {
        for (const ScriptedRun& run : splitScriptedText(flowLineText(units, result.flowRate))) {
            outcome += run.text;
        }
    } else {
        outcome = result.message;
        if (!result.rangeText.empty()) {
            outcome += ": " + result.rangeText;
        }
    }
    return controlLabelText(RECOMMENDATION_TITLE, RECOMMENDATION_ACCESS_KEY, nullptr) + ". " +
           withDegreeSigns(withoutAccessKeys(outcome)) + ". " + SELECTION_HINT;
}
