#pragma once
// How the main window's inputs live in the store ("Settings1"): the five
// entered values as 32-bit integers in hundredths of the unit shown, and the
// refrigerant as its index.
#include "selection/SelectionInputs.h"
#include "settings/SettingsStore.h"

#include <cstdint>

// A field value as stored: multiplied by 100 and rounded to the nearest
// integer, halves away from zero (a shown 1.15 is stored as 115, -25.25 as
// -2525). Values beyond the 32-bit range are held at its ends; a value that
// is not a number is stored as 0.
std::int32_t storedHundredths(double value);

// The stored integer as the value put into a field.
double fromHundredths(std::int32_t stored);

// The stored refrigerant index made valid: below 0 gives 0, beyond the last
// refrigerant gives the last. With no refrigerant at all, 0.
int clampRefrigerantIndex(std::int32_t stored, int refrigerantCount);

// "Refrig" made valid for `refrigerantCount` refrigerants (default 0).
int readRefrigerant(SettingsStore& store, int refrigerantCount);

// "dHeatLoad", "dEvapTemp", "dCondTemp", "dRGasTemp", "dAmbient" with their
// defaults 110, -25, 55, 32 and 25.
SelectionInputs readEnteredValues(SettingsStore& store);

// Writes "Refrig" and then the five values, in that order.
void writeInputs(SettingsStore& store, int refrigerant, const SelectionInputs& values);
