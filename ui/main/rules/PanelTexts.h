#pragma once
// The texts of the main window's two panels, kept once for the painter that
// draws them and for the labels that name the controls to screen readers:
// the input rows' captions with their units, the recommendation panel's
// title and the hint under the list.
//
// Each named control has a label of zero size placed just before it. The
// label's text is the control's name: the caption with an access key
// ("&" before a letter, Alt+letter moves the focus to the control) and the
// unit in parentheses. Names use the degree sign (0xB0) where the painted
// unit labels use 0xBA: screen readers read 0xBA as an ordinal indicator.
#include "resources/ResourceIds.h"
#include "selection/SelectionResult.h"
#include "ui/main/rules/MainLayout.h"
#include "units/UnitSettings.h"

#include <string>

// One row of the input panel, top to bottom.
struct InputRowText {
    int controlId;       // the selector or field the row describes
    int labelId;         // the zero-size label that names it
    const char* caption; // painted as it is
    char accessKey;      // its first occurrence in the caption is the access key
    int unitKind;        // the unit label drawn after the caption (UnitLabel)
};

// Access keys are unique in the window; the buttons take H, P and S.
inline constexpr InputRowText INPUT_ROW_TEXTS[CAPTION_ROWS] = {
    {IDC_MAIN_REFRIGERANT, IDC_MAIN_REFRIGERANT_LABEL, "Refrigerant", 'R', UNIT_NONE},
    {IDC_MAIN_HEAT_LOAD, IDC_MAIN_HEAT_LOAD_LABEL, "Heat load of the system", 'l', UNIT_ENERGY},
    {IDC_MAIN_EVAP_TEMP, IDC_MAIN_EVAP_TEMP_LABEL, "Evaporating temperature", 'E',
     UNIT_TEMPERATURE},
    {IDC_MAIN_COND_TEMP, IDC_MAIN_COND_TEMP_LABEL, "Condensing temperature", 'C', UNIT_TEMPERATURE},
    {IDC_MAIN_RETURN_GAS_TEMP, IDC_MAIN_RETURN_GAS_TEMP_LABEL, "Return gas temperature", 'g',
     UNIT_TEMPERATURE},
};

inline constexpr const char* INPUT_PANEL_TITLE = "Input Data";
inline constexpr const char* RECOMMENDATION_TITLE = "Capillary Tube Recommendation";
inline constexpr char RECOMMENDATION_ACCESS_KEY = 'T';
inline constexpr const char* SELECTION_HINT = "Optimal selection is highlighted in yellow.";

// The label text of a control: `caption` with "&" before the first
// occurrence of `accessKey` (none when the letter does not occur) and every
// "&" of the caption doubled, then " (unit)" unless `unit` is null or blank;
// 0xBA becomes 0xB0 throughout.
std::string controlLabelText(const std::string& caption, char accessKey, const char* unit);

// The label text of an input row under the given units, e.g.
// "&Evaporating temperature (\xB0" "C)"; the refrigerant row has no unit.
std::string inputRowLabelText(const InputRowText& row, const UnitSettings& units);

// The label text of the results list: the panel's title, then the outcome of
// the last run (the flow line as plain text after a successful run; the
// message and the valid range after a failed one), then the hint.
std::string recommendationLabelText(const SelectionResult& result, bool runSucceeded,
                                    const UnitSettings& units);
