#pragma once
// Whether a loaded database can serve the selection engine.
#include "database/RefrigerantDatabase.h"

// True when the database holds at least one refrigerant and both diameter
// lists hold at least RESULT_ROWS (9) diameters, with every count within its
// capacity. Start-up refuses a data file that fails this check as one it
// could not read.
bool isDatabaseUsable(const RefrigerantDatabase& db);
