#pragma once
// The readable data file, data/Olvane.txt: help lines, then after "[START]"
// the title, the version, the target length, the Europe diameters (mm), the
// North America diameters (inches), a line of column headings and one record
// per refrigerant (name, six range limits, B0..B9, A0..A3). Lines end in
// CR LF; the text is Windows-1252 (º is the byte 0xBA).
#include "tools/refgen/DataGeneration.h"

#include <string>
#include <vector>

struct DataFileHeader {
    std::vector<std::string> helpLines;
    std::string title;
    std::string version;
    double targetLength = 3.0;                 // m
    std::vector<double> europeDiameters;       // mm
    std::vector<double> northAmericaDiameters; // inches
};

// One number as the data file writes it: at most 10 significant digits, no
// trailing zeros, "-0" written as "0".
std::string dataFileNumber(double value);

// The diameter list as written on its line: "0.50, 0.55, ..." (mm) or
// ".026, .028, ..." (inches).
std::string diameterLine(const std::vector<double>& values, bool inches);

// The whole text. Returns false (with `error`) when a line would break the
// loader's limits: a help line over 100 characters, a title or version of 20
// or more (version: 16 or more), a name over 20 characters, a number field
// over 31 characters, more than 50 records or 99 help lines.
bool writeDataFileText(const DataFileHeader& header, const std::vector<RefrigerantData>& records,
                       std::string& text, std::string& error);
