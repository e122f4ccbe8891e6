#pragma once
// Reading and writing the seven unit settings ("Settings1"), in the store's
// order.
#include "settings/SettingsStore.h"
#include "units/UnitSettings.h"

// Reads "UnitsEnergy     " .. "DiamType        " with their defaults.
UnitSettings readUnitSettings(SettingsStore& store);

// Writes all seven, in the same order.
void writeUnitSettings(SettingsStore& store, const UnitSettings& units);
