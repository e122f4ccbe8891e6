#pragma once
// The flow-rate line under the recommendation caption, e.g.
// "Flow Rate: 4.3 l/min (N_2 at delta p 10 bar)": the flow in the user's
// flow unit (one decimal for l/min, two for CFM) and the 10 bar test pressure
// in the pressure unit. "_2" is drawn as a lowered 2.
#include "units/UnitSettings.h"
#include <string>

std::string flowLineText(const UnitSettings& units, double flowRateLitresPerMinute);
