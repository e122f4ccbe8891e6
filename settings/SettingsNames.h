#pragma once
// The sections and value names of the settings store, byte for byte: the
// seven unit names are padded with blanks to exactly 16 characters.

// The key under HKEY_CURRENT_USER\Software that holds one key per program.
constexpr const char* SETTINGS_COMPANY_KEY = "Varnu Olvane 3";

constexpr const char* SECTION_SETTINGS = "Settings1";
constexpr const char* SECTION_LOCATION = "Location1";

constexpr const char* VALUE_UNITS_ENERGY = "UnitsEnergy     ";
constexpr const char* VALUE_UNITS_TEMPERATURE = "UnitsTemperature";
constexpr const char* VALUE_UNITS_PRESSURE = "UnitsPressure   ";
constexpr const char* VALUE_UNITS_DIAMETER = "UnitsDiameter   ";
constexpr const char* VALUE_UNITS_LENGTH = "UnitsLength     ";
constexpr const char* VALUE_UNITS_FLOW = "UnitsFlow       ";
constexpr const char* VALUE_DIAMETER_LIST = "DiamType        ";

constexpr const char* VALUE_REFRIGERANT = "Refrig";
constexpr const char* VALUE_HEAT_LOAD = "dHeatLoad";
constexpr const char* VALUE_EVAP_TEMP = "dEvapTemp";
constexpr const char* VALUE_COND_TEMP = "dCondTemp";
constexpr const char* VALUE_RETURN_GAS_TEMP = "dRGasTemp";
constexpr const char* VALUE_AMBIENT_TEMP = "dAmbient";

constexpr const char* VALUE_X_POSITION = "XPos";
constexpr const char* VALUE_Y_POSITION = "YPos";
constexpr const char* VALUE_X_SIZE = "XSiz";
constexpr const char* VALUE_Y_SIZE = "YSiz";

// Defaults of the values read at start-up (inputs in hundredths).
constexpr int DEFAULT_HEAT_LOAD = 11000;
constexpr int DEFAULT_EVAP_TEMP = -2500;
constexpr int DEFAULT_COND_TEMP = 5500;
constexpr int DEFAULT_RETURN_GAS_TEMP = 3200;
constexpr int DEFAULT_AMBIENT_TEMP = 2500;
constexpr int DEFAULT_X_POSITION = 10;
constexpr int DEFAULT_Y_POSITION = 10;
constexpr int DEFAULT_X_SIZE = 800;
constexpr int DEFAULT_Y_SIZE = 640;
