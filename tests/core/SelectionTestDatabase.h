#pragma once
// Small databases built in code for the selection tests.
#include "database/RefrigerantDatabase.h"

#include <cstring>
#include <memory>

// One refrigerant with the ranges evaporating -40..-10 ºC, condensing
// 30..70 ºC and return gas 0..45 ºC, whose correlation gives a flow of
// 5 l/min whatever the inputs (B0 = 5, A0 = 1, all else 0); target 2.5 m;
// both lists 0.50, 0.55 .. 1.05 mm (12 entries). So L = 30·d⁵.
inline std::unique_ptr<RefrigerantDatabase> makeTestDatabase() {
    auto db = std::make_unique<RefrigerantDatabase>();
    db->targetLength = 2.5;
    for (int i = 0; i < 12; ++i) {
        db->europeDiameters.values[i] = 0.50 + 0.05 * i;
        db->northAmericaDiameters.values[i] = 0.50 + 0.05 * i;
    }
    db->europeDiameters.count = 12;
    db->northAmericaDiameters.count = 12;
    db->refrigerantCount = 1;
    RefrigerantRecord& r = db->refrigerants[0];
    std::strcpy(r.name, "TEST");
    r.evapMin = -40;
    r.evapMax = -10;
    r.condMin = 30;
    r.condMax = 70;
    r.returnGasMin = 0;
    r.returnGasMax = 45;
    r.flowCoefficients[0] = 5;
    r.divisorCoefficients[0] = 1;
    return db;
}

// Coefficients of the worked flow example: B0 = 1.5, B1 = 0.01, B2 = 0.02,
// B5 = 0.1, A0 = 250, all else 0.
inline void setWorkedFlowCoefficients(RefrigerantRecord& r) {
    for (double& b : r.flowCoefficients) {
        b = 0;
    }
    for (double& a : r.divisorCoefficients) {
        a = 0;
    }
    r.flowCoefficients[0] = 1.5;
    r.flowCoefficients[1] = 0.01;
    r.flowCoefficients[2] = 0.02;
    r.flowCoefficients[5] = 0.1;
    r.divisorCoefficients[0] = 250;
}
