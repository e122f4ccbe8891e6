#pragma once
// The user's unit choices. Each flag is tested as 0 or non-zero; note that for
// energy and flow the value 1 is the metric unit, for the others the imperial.
#include <cstdint>

struct UnitSettings {
    std::int32_t energyUnit = 1;      // 1 W, 0 Btu/hr
    std::int32_t temperatureUnit = 0; // 1 ºF, 0 ºC
    std::int32_t pressureUnit = 0;    // 1 psi, 0 bar
    std::int32_t diameterUnit = 0;    // 1 inches, 0 mm
    std::int32_t lengthUnit = 0;      // 1 inches, 0 m
    std::int32_t flowUnit = 1;        // 1 l/min, 0 CFM
    std::int32_t diameterList = 0;    // 0 Europe, any other value North America
};

// The kinds of unit label, by number.
enum UnitKind : int {
    UNIT_LENGTH = 0,
    UNIT_TEMPERATURE = 1,
    UNIT_PRESSURE = 2,
    UNIT_DIAMETER = 3,
    UNIT_ENERGY = 4,
    UNIT_FLOW = 5,
    UNIT_NONE = 6, // and any other number: a single space
};
