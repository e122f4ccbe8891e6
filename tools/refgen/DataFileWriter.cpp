#include "tools/refgen/DataFileWriter.h"

#include "database/DatabaseParser.h"
#include "database/RefrigerantDatabase.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* CRLF = "\r\n";
// The loader's limits, as sizes.
constexpr std::size_t MAX_HELP_LINE = MAX_HELP_LINE_LENGTH;
constexpr std::size_t MAX_COUNTED_HELP_LINES = MAX_HELP_LINES - 1; // the loader counts 99
constexpr std::size_t MAX_TITLE = MAX_HEADER_LINE;
constexpr std::size_t MAX_VERSION = MAX_DATABASE_VERSION;
constexpr std::size_t MAX_NAME = MAX_REFRIGERANT_NAME;
constexpr std::size_t MAX_FIELD = MAX_NUMBER_FIELD;
constexpr std::size_t MAX_RECORDS = MAX_REFRIGERANTS;
constexpr std::size_t MAX_PACKED_LINE = PACKED_LINE_LIMIT - 1;

std::string format(const char* pattern, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

} // namespace

std::string dataFileNumber(double value) {
    if (value == 0.0) {
        return "0";
    }
    return format("%.10g", value);
}

std::string diameterLine(const std::vector<double>& values, bool inches) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            line += ", ";
        }
        std::string v = format(inches ? "%.3f" : "%.2f", values[i]);
        if (inches && v.rfind("0.", 0) == 0) {
            v.erase(0, 1); // written the way the sizes are named: .026
        }
        line += v;
    }
    return line;
}

bool writeDataFileText(const DataFileHeader& header, const std::vector<RefrigerantData>& records,
                       std::string& text, std::string& error) {
    text.clear();
    if (header.helpLines.size() > MAX_COUNTED_HELP_LINES) {
        error = "more than 99 help lines";
        return false;
    }
    if (header.title.size() > MAX_TITLE || header.version.size() > MAX_VERSION) {
        error = "title or version too long";
        return false;
    }
    if (records.size() > MAX_RECORDS) {
        error = "more than 50 refrigerants";
        return false;
    }
    text += "[HELP]";
    text += CRLF;
    for (const std::string& line : header.helpLines) {
        if (line.size() > MAX_HELP_LINE) {
            error = "help line over 100 characters: " + line;
            return false;
        }
        text += line;
        text += CRLF;
    }
    text += "[START]";
    text += CRLF;
    text += header.title + CRLF;
    text += header.version + CRLF;
    text += format("%.2f", header.targetLength) + CRLF;
    const std::string europe = diameterLine(header.europeDiameters, false);
    const std::string america = diameterLine(header.northAmericaDiameters, true);
    if (europe.size() > MAX_PACKED_LINE || america.size() > MAX_PACKED_LINE) {
        error = "diameter line too long";
        return false;
    }
    text += europe + CRLF;
    text += america + CRLF;
    text += "Refrigerant, Te min \xBA"
            "C, Te max \xBA"
            "C, Tc min \xBA"
            "C, Tc max \xBA"
            "C, Trg min \xBA"
            "C, Trg max \xBA"
            "C, B0, B1, B2, B3, B4, B5, B6, B7, B8, B9, A0, A1, A2, A3";
    text += CRLF;
    for (const RefrigerantData& r : records) {
        if (r.entry.name.size() > MAX_NAME ||
            r.entry.name.find_first_of(", ") != std::string::npos) {
            error = "unusable refrigerant name: " + r.entry.name;
            return false;
        }
        std::vector<double> fields = {r.entry.evapMin, r.entry.evapMax,      r.entry.condMin,
                                      r.entry.condMax, r.entry.returnGasMin, r.entry.returnGasMax};
        for (double b : r.coefficients.b) {
            fields.push_back(b);
        }
        for (double a : r.coefficients.a) {
            fields.push_back(a);
        }
        std::string line = r.entry.name;
        for (double value : fields) {
            const std::string field = dataFileNumber(value);
            if (field.size() > MAX_FIELD || !std::isfinite(value)) {
                error = r.entry.name + ": unusable number " + field;
                return false;
            }
            line += ", " + field;
        }
        text += line + CRLF;
    }
    text += CRLF;
    return true;
}
