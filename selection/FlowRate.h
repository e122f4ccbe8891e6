#pragma once
// The nitrogen flow-rate correlation of a refrigerant.
#include "database/RefrigerantDatabase.h"

// The return gas temperature (ºC) from which the divisor's ΔT is counted: at
// it the divisor is A0 alone.
constexpr double DIVISOR_REFERENCE_RETURN_GAS_C = 32;

// The heat-load divisor H = A0 + ΔT·(A1 + A2·Te + A3·Tc), ΔT = Trg − 32 ºC.
double heatLoadDivisor(const RefrigerantRecord& refrigerant, double evapTempC, double condTempC,
                       double returnGasTempC);

// The flow rate in l/min of nitrogen at 10 bar:
// F = (B0 + B1·Te + B2·Tc + B3·Te·Tc + B4·Te²) + (B5 + B6·Te + B7·Tc + B8·Te·Tc + B9·Te²)·Q / H.
double nitrogenFlowRate(const RefrigerantRecord& refrigerant, double heatLoadW, double evapTempC,
                        double condTempC, double returnGasTempC);

// A flow rate tubes can be sized for: finite and above zero.
bool isUsableFlow(double litresPerMinute);
