#include "settings/UnitSettingsStore.h"

#include "settings/SettingsNames.h"

UnitSettings readUnitSettings(SettingsStore& store) {
    const UnitSettings defaults;
    UnitSettings units;
    units.energyUnit = store.readInt(SECTION_SETTINGS, VALUE_UNITS_ENERGY, defaults.energyUnit);
    units.temperatureUnit =
        store.readInt(SECTION_SETTINGS, VALUE_UNITS_TEMPERATURE, defaults.temperatureUnit);
    units.pressureUnit =
        store.readInt(SECTION_SETTINGS, VALUE_UNITS_PRESSURE, defaults.pressureUnit);
    units.diameterUnit =
        store.readInt(SECTION_SETTINGS, VALUE_UNITS_DIAMETER, defaults.diameterUnit);
    units.lengthUnit = store.readInt(SECTION_SETTINGS, VALUE_UNITS_LENGTH, defaults.lengthUnit);
    units.flowUnit = store.readInt(SECTION_SETTINGS, VALUE_UNITS_FLOW, defaults.flowUnit);
    units.diameterList =
        store.readInt(SECTION_SETTINGS, VALUE_DIAMETER_LIST, defaults.diameterList);
    return units;
}

void writeUnitSettings(SettingsStore& store, const UnitSettings& units) {
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_ENERGY, units.energyUnit);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_TEMPERATURE, units.temperatureUnit);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_PRESSURE, units.pressureUnit);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_DIAMETER, units.diameterUnit);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_LENGTH, units.lengthUnit);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_FLOW, units.flowUnit);
    store.writeInt(SECTION_SETTINGS, VALUE_DIAMETER_LIST, units.diameterList);
}
