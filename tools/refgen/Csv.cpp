#include "tools/refgen/Csv.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <limits>

namespace {

std::vector<std::string> splitLine(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.push_back(cell);
            cell.clear();
        } else if (c != '\r') {
            cell += c;
        }
    }
    cells.push_back(cell);
    return cells;
}

bool parseNumber(const std::string& cell, double& value) {
    if (cell.empty()) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtod(cell.c_str(), &end);
    return errno == 0 && end != cell.c_str() && *end == '\0';
}

} // namespace

int CsvTable::column(const std::string& name) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string CsvTable::text(std::size_t row, int col) const {
    if (row >= rows.size() || col < 0 || static_cast<std::size_t>(col) >= rows[row].size()) {
        return std::string();
    }
    return rows[row][static_cast<std::size_t>(col)];
}

double CsvTable::number(std::size_t row, int col) const {
    double value = 0.0;
    if (!parseNumber(text(row, col), value)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value;
}

bool readCsv(const std::string& path, CsvTable& table, std::string& error) {
    table = CsvTable{};
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    if (!std::getline(in, line)) {
        error = "no header line in " + path;
        return false;
    }
    table.columns = splitLine(line);
    while (std::getline(in, line)) {
        if (line.empty() || line == "\r") {
            continue;
        }
        table.rows.push_back(splitLine(line));
    }
    return true;
}

bool numericColumn(const CsvTable& table, const std::string& name, std::vector<double>& values,
                   std::string& error) {
    const int col = table.column(name);
    if (col < 0) {
        error = "no column " + name;
        return false;
    }
    values.assign(table.rows.size(), 0.0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (!parseNumber(table.text(r, col), values[r])) {
            error = "column " + name + ", row " + std::to_string(r + 1) + ": not a number";
            return false;
        }
    }
    return true;
}
