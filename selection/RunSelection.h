#pragma once
// The selection run: from the entered values to the recommended tubes.
#include "database/RefrigerantDatabase.h"
#include "selection/SelectionInputs.h"
#include "selection/SelectionResult.h"
#include "units/UnitSettings.h"

// Converts the inputs to W and ºC, checks them against the ranges of
// refrigerant `currentRefrigerant`, computes the flow rate, a length for each
// diameter of the active list, the optimal tube, the nine shown rows and
// their texts. Returns true for a successful run.
//
// A failed run returns false and rewrites only the validity flags
// (`flowValid` included), `message` and `rangeText`; the numbers and rows of
// the last successful run stay. Besides an input out of range, a run fails
// when the refrigerant index is not in the database, when the active list
// holds fewer than nine diameters, or when the flow rate is not finite and
// positive; the texts then name the problem.
bool RunSelection(const SelectionInputs& inputs, int currentRefrigerant, const UnitSettings& units,
                  const RefrigerantDatabase& db, SelectionResult& result);
