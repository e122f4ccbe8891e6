#include "settings/StoredInputs.h"

#include "settings/SettingsNames.h"

#include <cmath>
#include <limits>

std::int32_t storedHundredths(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // The fields hold at most three decimals. Rounding to thousandths first
    // absorbs the binary representation error of the product (12.345 * 100 is
    // 1234.4999999999998), so the halves of the decimal value are rounded
    // the way the user reads them.
    const double thousandths = std::round(value * 1000.0);
    const double hundredths = std::round(thousandths / 10.0); // half away from zero
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (hundredths <= lowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (hundredths >= highest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(hundredths);
}

double fromHundredths(std::int32_t stored) {
    return stored / 100.0;
}

int clampRefrigerantIndex(std::int32_t stored, int refrigerantCount) {
    if (stored < 0 || refrigerantCount <= 0) {
        return 0;
    }
    if (stored > refrigerantCount - 1) {
        return refrigerantCount - 1;
    }
    return static_cast<int>(stored);
}

int readRefrigerant(SettingsStore& store, int refrigerantCount) {
    return clampRefrigerantIndex(store.readInt(SECTION_SETTINGS, VALUE_REFRIGERANT, 0),
                                 refrigerantCount);
}

SelectionInputs readEnteredValues(SettingsStore& store) {
    auto read = [&store](const char* name, std::int32_t defaultValue) {
        return fromHundredths(store.readInt(SECTION_SETTINGS, name, defaultValue));
    };
    SelectionInputs values;
    values.heatLoad = read(VALUE_HEAT_LOAD, DEFAULT_HEAT_LOAD);
    values.evapTemp = read(VALUE_EVAP_TEMP, DEFAULT_EVAP_TEMP);
    values.condTemp = read(VALUE_COND_TEMP, DEFAULT_COND_TEMP);
    values.returnGasTemp = read(VALUE_RETURN_GAS_TEMP, DEFAULT_RETURN_GAS_TEMP);
    values.ambientTemp = read(VALUE_AMBIENT_TEMP, DEFAULT_AMBIENT_TEMP);
    return values;
}

void writeInputs(SettingsStore& store, int refrigerant, const SelectionInputs& values) {
    store.writeInt(SECTION_SETTINGS, VALUE_REFRIGERANT, refrigerant);
    store.writeInt(SECTION_SETTINGS, VALUE_HEAT_LOAD, storedHundredths(values.heatLoad));
    store.writeInt(SECTION_SETTINGS, VALUE_EVAP_TEMP, storedHundredths(values.evapTemp));
    store.writeInt(SECTION_SETTINGS, VALUE_COND_TEMP, storedHundredths(values.condTemp));
    store.writeInt(SECTION_SETTINGS, VALUE_RETURN_GAS_TEMP, storedHundredths(values.returnGasTemp));
    store.writeInt(SECTION_SETTINGS, VALUE_AMBIENT_TEMP, storedHundredths(values.ambientTemp));
}
