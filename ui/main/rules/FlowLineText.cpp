#include "ui/main/rules/FlowLineText.h"

#include "units/TextFormat.h"
#include "units/Units.h"

std::string flowLineText(const UnitSettings& units, double flowRateLitresPerMinute) {
    const double flow = FlowForDisplay(units, flowRateLitresPerMinute);
    const double pressure = PressureForDisplay(units, 10.0);
    const char* format = units.flowUnit != 0 ? "Flow Rate: %0.1f %s (N_2 at delta p %0.0f %s)"
                                             : "Flow Rate: %0.2f %s (N_2 at delta p %0.0f %s)";
    return formatText(format, flow, UnitLabel(units, UNIT_FLOW), pressure,
                      UnitLabel(units, UNIT_PRESSURE));
}
