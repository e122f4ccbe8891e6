#pragma once
// The tables read from the data file. Fixed capacities, nothing allocated per
// entry; read-only once loaded. A refrigerant is identified everywhere by its
// 0-based position in the file.
#include <cstddef>
#include <cstring>
#include <string>

constexpr int MAX_HELP_LINES = 100;
constexpr int MAX_HELP_LINE_LENGTH = 100;
constexpr int MAX_DIAMETERS = 50;
constexpr int MAX_REFRIGERANTS = 50;
constexpr int MAX_REFRIGERANT_NAME = 20;
constexpr int MAX_HEADER_LINE = 19;      // title, version line and target line
constexpr int MAX_DATABASE_VERSION = 15; // characters kept of the version line
constexpr int FLOW_COEFFICIENTS = 10;    // B0 .. B9
constexpr int DIVISOR_COEFFICIENTS = 4;  // A0 .. A3

// A standard inner-diameter list, in millimetres, in file order.
struct DiameterList {
    int count = 0;
    double values[MAX_DIAMETERS] = {};
};

struct RefrigerantRecord {
    char name[MAX_REFRIGERANT_NAME + 1] = {};
    double evapMin = 0, evapMax = 0;           // ºC, inclusive
    double condMin = 0, condMax = 0;           // ºC, inclusive
    double returnGasMin = 0, returnGasMax = 0; // ºC, inclusive
    double flowCoefficients[FLOW_COEFFICIENTS] = {};
    double divisorCoefficients[DIVISOR_COEFFICIENTS] = {};
};

struct RefrigerantDatabase {
    char helpLines[MAX_HELP_LINES][MAX_HELP_LINE_LENGTH + 1] = {};
    int helpLineCount = 0;
    char title[MAX_HEADER_LINE + 1] = {};
    // Set by start-up before the load ("0.0.x" or "0.0"); replaced by the
    // file's version line when that line is not empty.
    char databaseVersion[MAX_DATABASE_VERSION + 1] = {};
    double targetLength = 0;            // metres
    DiameterList europeDiameters;       // mm, as written
    DiameterList northAmericaDiameters; // mm, written in inches and converted on load
    int refrigerantCount = 0;
    RefrigerantRecord refrigerants[MAX_REFRIGERANTS];
};

// The list the selection engine and the report use: Europe when the
// diameter-list setting is 0, North America for any other value.
inline const DiameterList& activeDiameters(const RefrigerantDatabase& db, int diameterListSetting) {
    return diameterListSetting == 0 ? db.europeDiameters : db.northAmericaDiameters;
}

// The text of a fixed-capacity field of the tables (a name, a help line): its
// characters up to the first zero, or all but the last place, which is the
// zero's, when there is none.
template <std::size_t Capacity> std::string fieldText(const char (&field)[Capacity]) {
    const void* end = std::memchr(field, '\0', Capacity);
    const std::size_t length =
        end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - field)
                       : Capacity - 1;
    return std::string(field, length);
}
