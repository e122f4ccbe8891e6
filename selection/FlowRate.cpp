#include "selection/FlowRate.h"

#include <cmath>

double heatLoadDivisor(const RefrigerantRecord& refrigerant, double evapTempC, double condTempC,
                       double returnGasTempC) {
    const double* a = refrigerant.divisorCoefficients;
    const double deltaT = returnGasTempC - DIVISOR_REFERENCE_RETURN_GAS_C;
    return a[0] + a[1] * deltaT + a[2] * deltaT * evapTempC + a[3] * deltaT * condTempC;
}

double nitrogenFlowRate(const RefrigerantRecord& refrigerant, double heatLoadW, double evapTempC,
                        double condTempC, double returnGasTempC) {
    const double* b = refrigerant.flowCoefficients;
    const double te = evapTempC;
    const double tc = condTempC;
    const double base = b[0] + b[1] * te + b[2] * tc + b[3] * te * tc + b[4] * te * te;
    const double perLoad = b[5] + b[6] * te + b[7] * tc + b[8] * te * tc + b[9] * te * te;
    const double divisor = heatLoadDivisor(refrigerant, te, tc, returnGasTempC);
    // The load is multiplied in first and the product divided by H.
    return base + perLoad * heatLoadW / divisor;
}

bool isUsableFlow(double litresPerMinute) {
    return std::isfinite(litresPerMinute) && litresPerMinute > 0;
}
