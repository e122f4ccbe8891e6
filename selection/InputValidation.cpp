#include "selection/InputValidation.h"

#include "units/TextFormat.h"
#include "units/Units.h"

namespace {

bool inRange(double value, double minimum, double maximum) {
    return !(value < minimum || value > maximum);
}

// "%0.1f%s to %0.1f%s" of a range stored in ºC, shown in the user's unit.
std::string temperatureRangeText(const UnitSettings& units, double minimumC, double maximumC) {
    double minimum = minimumC;
    double maximum = maximumC;
    if (units.temperatureUnit == 1) {
        minimum = CelsiusToFahrenheit(minimumC);
        maximum = CelsiusToFahrenheit(maximumC);
    }
    const char* label = UnitLabel(units, UNIT_TEMPERATURE);
    return formatText("%0.1f%s to %0.1f%s", minimum, label, maximum, label);
}

} // namespace

bool heatLoadInRange(double heatLoadW) {
    return inRange(heatLoadW, MIN_HEAT_LOAD_W, MAX_HEAT_LOAD_W);
}

bool validateInputs(double heatLoadW, double evapTempC, double condTempC, double returnGasTempC,
                    const RefrigerantRecord& refrigerant, const UnitSettings& units,
                    SelectionResult& result) {
    result.heatLoadValid = heatLoadInRange(heatLoadW);
    result.evapTempValid = inRange(evapTempC, refrigerant.evapMin, refrigerant.evapMax);
    result.returnGasValid =
        inRange(returnGasTempC, refrigerant.returnGasMin, refrigerant.returnGasMax);
    result.condTempValid = inRange(condTempC, refrigerant.condMin, refrigerant.condMax);

    if (!result.heatLoadValid) {
        result.message = "Heat load invalid";
        // The Btu/hr text is a rounded statement; the check stays in W.
        result.rangeText = units.energyUnit == 0 ? "1 to 34000 btu/hr" : "1 to 10000W";
    } else if (!result.evapTempValid) {
        result.message = "Evap temp invalid";
        result.rangeText = temperatureRangeText(units, refrigerant.evapMin, refrigerant.evapMax);
    } else if (!result.returnGasValid) {
        // Reported before the condensing temperature.
        result.message = "Return gas invalid";
        result.rangeText =
            temperatureRangeText(units, refrigerant.returnGasMin, refrigerant.returnGasMax);
    } else if (!result.condTempValid) {
        result.message = "Cond temp invalid";
        result.rangeText = temperatureRangeText(units, refrigerant.condMin, refrigerant.condMax);
    } else {
        result.message.clear();
        result.rangeText.clear();
        return true;
    }
    return false;
}
