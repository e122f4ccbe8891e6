#include "units/Units.h"

// Each setting is tested against 0: any other value selects the first label.
const char* UnitLabel(const UnitSettings& units, int kind) {
    switch (kind) {
    case UNIT_LENGTH:
        return units.lengthUnit != 0 ? "in." : "m";
    case UNIT_TEMPERATURE:
        return units.temperatureUnit != 0 ? "\xBA"
                                            "F"
                                          : "\xBA"
                                            "C";
    case UNIT_PRESSURE:
        return units.pressureUnit != 0 ? "psi" : "bar";
    case UNIT_DIAMETER:
        return units.diameterUnit != 0 ? "in." : "mm";
    case UNIT_ENERGY:
        return units.energyUnit != 0 ? "W" : "Btu/hr";
    case UNIT_FLOW:
        return units.flowUnit != 0 ? "l/min" : "CFM";
    default:
        return " ";
    }
}
