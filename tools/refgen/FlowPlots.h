#pragma once
// The picture of one refrigerant's data: the required nitrogen flow against
// the heat load at three evaporating temperatures (the envelope's ends and
// middle), model points and the fitted correlation.
#include "tools/refgen/DataGeneration.h"

#include <string>

// File name of the refrigerant's plot, letters and digits of its name only:
// "R1234ze(E)" gives "R1234zeE.svg".
std::string plotFileName(const std::string& refrigerant);

// The condensing and return gas temperatures the plot holds fixed.
double plotCondensing(const CatalogEntry& entry);
double plotReturnGas(const CatalogEntry& entry);

std::string flowPlotSvg(const RefrigerantData& data, const SizingAssumptions& assumptions);
