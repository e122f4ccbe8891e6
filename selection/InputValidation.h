#pragma once
// Range checks of the four calculation inputs and their messages.
#include "database/RefrigerantDatabase.h"
#include "selection/SelectionResult.h"
#include "units/UnitSettings.h"

constexpr double MIN_HEAT_LOAD_W = 1;
constexpr double MAX_HEAT_LOAD_W = 10000;

// Checks the heat load (W) and the three temperatures (ºC) against the fixed
// heat-load range and the refrigerant's ranges, always all four. Writes the
// four flags; when all pass, empties `message` and `rangeText` and returns
// true. Otherwise the first failure in the order heat load, evaporating,
// return gas, condensing sets the two texts (in the user's units) and the
// result is false. Nothing else in `result` is touched.
bool validateInputs(double heatLoadW, double evapTempC, double condTempC, double returnGasTempC,
                    const RefrigerantRecord& refrigerant, const UnitSettings& units,
                    SelectionResult& result);

// The heat load alone, for runs that have no refrigerant to check the
// temperatures against.
bool heatLoadInRange(double heatLoadW);
