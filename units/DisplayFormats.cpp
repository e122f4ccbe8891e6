#include "units/TextFormat.h"
#include "units/Units.h"

// The length and diameter texts choose their number format by the same test
// as their conversion (exactly 1), so the number always has the format of the
// unit it was converted to.

std::string formatLength(const UnitSettings& units, double metres) {
    const char* label = UnitLabel(units, UNIT_LENGTH);
    if (units.lengthUnit == 1) {
        return formatText("%s %s", FormatFractionalInches(LengthForDisplay(units, metres)).c_str(),
                          label);
    }
    return formatText("%0.2f %s", LengthForDisplay(units, metres), label);
}

std::string formatDiameter(const UnitSettings& units, double millimetres) {
    const char* label = UnitLabel(units, UNIT_DIAMETER);
    if (units.diameterUnit == 1) {
        return formatText("%0.3f %s", DiameterForDisplay(units, millimetres), label);
    }
    return formatText("%0.2f %s", DiameterForDisplay(units, millimetres), label);
}

std::string formatFlowNumber(const UnitSettings& units, double litresPerMinute) {
    const double shown = FlowForDisplay(units, litresPerMinute);
    if (units.flowUnit == 0) {
        return formatText("%0.2f", shown); // CFM
    }
    return formatText("%0.1f", shown); // l/min
}

std::string formatPressureDrop(const UnitSettings& units) {
    return formatText("%0.0f", PressureForDisplay(units, 10.0));
}
