#include "selection/RunSelection.h"

#include "selection/FlowRate.h"
#include "selection/InputValidation.h"
#include "selection/TubeSearch.h"
#include "units/Units.h"

namespace {

bool fail(SelectionResult& result, const char* message, const char* rangeText) {
    result.flowValid = false;
    result.message = message;
    result.rangeText = rangeText;
    return false;
}

} // namespace

bool RunSelection(const SelectionInputs& inputs, int currentRefrigerant, const UnitSettings& units,
                  const RefrigerantDatabase& db, SelectionResult& result) {
    // To internal units: W and ºC.
    double heatLoad = inputs.heatLoad;
    if (units.energyUnit == 0) {
        heatLoad = BtuPerHourToWatts(heatLoad);
    }
    double evapTemp = inputs.evapTemp;
    double condTemp = inputs.condTemp;
    double returnGasTemp = inputs.returnGasTemp;
    if (units.temperatureUnit == 1) {
        evapTemp = FahrenheitToCelsius(evapTemp);
        condTemp = FahrenheitToCelsius(condTemp);
        returnGasTemp = FahrenheitToCelsius(returnGasTemp);
    }

    const int refrigerantCount =
        db.refrigerantCount < MAX_REFRIGERANTS ? db.refrigerantCount : MAX_REFRIGERANTS;
    if (currentRefrigerant < 0 || currentRefrigerant >= refrigerantCount) {
        // No ranges to check the temperatures against.
        result.heatLoadValid = heatLoadInRange(heatLoad);
        result.evapTempValid = false;
        result.condTempValid = false;
        result.returnGasValid = false;
        return fail(result, "No refrigerant data", "check Olvane.tbx");
    }
    const RefrigerantRecord& refrigerant = db.refrigerants[currentRefrigerant];

    if (!validateInputs(heatLoad, evapTemp, condTemp, returnGasTemp, refrigerant, units, result)) {
        result.flowValid = false;
        return false;
    }

    const DiameterList& diameters = activeDiameters(db, units.diameterList);
    const int count = diameters.count < MAX_DIAMETERS ? diameters.count : MAX_DIAMETERS;
    if (count < RESULT_ROWS) {
        return fail(result, "Too few tube diameters", "check Olvane.tbx");
    }

    const double flowRate =
        nitrogenFlowRate(refrigerant, heatLoad, evapTemp, condTemp, returnGasTemp);
    if (!isUsableFlow(flowRate)) {
        return fail(result, "No flow for these inputs", "check refrigerant data");
    }

    result.flowValid = true;
    result.flowRate = flowRate;
    computeTubeLengths(diameters.values, count, flowRate, result.lengths);
    for (int i = count; i < MAX_DIAMETERS; ++i) {
        result.lengths[i] = 0;
    }
    result.optimalIndex = findOptimalTube(result.lengths, count, db.targetLength);
    result.firstRow = firstShownRow(result.optimalIndex, count);
    result.selectedRow = result.optimalIndex - result.firstRow;
    for (int row = 0; row < RESULT_ROWS; ++row) {
        const int tube = result.firstRow + row;
        result.rowTexts[row].length = formatLength(units, result.lengths[tube]);
        result.rowTexts[row].diameter = formatDiameter(units, diameters.values[tube]);
    }
    return true;
}
