#pragma once
// Data files for tests: texts assembled from their parts, scrambled into the
// stored format with the tool's packer, written to disk and loaded with the
// program's own loader.
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "database/RefrigerantDatabase.h"

#include <memory>
#include <string>
#include <vector>

// A complete record line: `name`, the six ranges evaporating -40..-5,
// condensing 25..65 and return gas -20..45 ºC, then B0..B9 and A0..A3 of a
// plain correlation (B0 0.3, B5 5.5, A0 100, all else 0: F = 0.3 + 0.055·Q).
std::string testRecordLine(const std::string& name);

// A record line from a name and up to 20 values, comma separated.
std::string recordLine(const std::string& name, const std::vector<double>& fields);

// The parts of a data text. The defaults give a file that loads: one help
// line, the header lines, 12 Europe and 10 North America diameters, the
// headings line and one refrigerant "R600a".
struct DataTextParts {
    bool withHelp = true;
    std::vector<std::string> helpLines{"Test help line"};
    std::string title = "Test data";
    std::string version = "9.8.7";
    std::string targetLength = "3.0";
    std::string europe = "0.50,0.55,0.60,0.65,0.70,0.75,0.80,0.85,0.90,1.00,1.10,1.20";
    std::string northAmerica = ".026,.028,.031,.036,.040,.042,.049,.054,.059,.064";
    std::string headings = "Name,Te min,Te max,Tc min,Tc max,Trg min,Trg max,B0..B9,A0..A3";
    std::vector<std::string> records{testRecordLine("R600a")};
    std::string lineEnd = "\r\n"; // after every line, the last one included
};

std::string buildDataText(const DataTextParts& parts);

// The stored bytes of `text`, characters exactly as given (line ends are
// not converted). Records a test failure for a character the format cannot
// hold and returns what was packed.
std::vector<unsigned char> scrambleForTest(const std::string& text);

// Puts `text` straight into the loader's text buffer, as unscrambleData
// would leave it (cut at MAX_DATA_TEXT characters).
void setDataText(DataFileText& out, const std::string& text);

struct LoadedDatabase {
    int textLength = 0; // what unscrambleData returned
    bool loaded = false;
    LoadFailure failure;
    std::unique_ptr<RefrigerantDatabase> db;
};

// Stored bytes through unscrambleData and ParseDatabase, with the version
// that start-up would have set before the load.
LoadedDatabase loadStoredBytes(const std::vector<unsigned char>& bytes,
                               const char* presetVersion = "0.0.1");

// scrambleForTest, then loadStoredBytes.
LoadedDatabase loadText(const std::string& text, const char* presetVersion = "0.0.1");

bool writeBinaryFile(const std::string& path, const std::vector<unsigned char>& bytes);

// The bytes of a file of the source tree, e.g. "data/Olvane.txt"; empty when
// it cannot be read.
std::vector<unsigned char> readSourceFile(const std::string& relativePath);
