#pragma once
// A small reader for the comma-separated property tables: one header line of
// column names, then rows of cells. Cells may be quoted ("a, b").
#include <string>
#include <vector>

struct CsvTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    // Index of the named column, -1 when the table has none.
    int column(const std::string& name) const;
    // The cell as a number: NaN when empty, missing or not a number.
    double number(std::size_t row, int column) const;
    // The cell as text, empty when missing.
    std::string text(std::size_t row, int column) const;
};

// Reads `path` into `table`. Returns false (with `error` set) when the file
// cannot be opened or has no header line.
bool readCsv(const std::string& path, CsvTable& table, std::string& error);

// Copies the named numeric column of `table` into `values`. Returns false
// (with `error` set) when the column is absent or a non-empty cell is not a
// number; empty cells become NaN.
bool numericColumn(const CsvTable& table, const std::string& name, std::vector<double>& values,
                   std::string& error);
