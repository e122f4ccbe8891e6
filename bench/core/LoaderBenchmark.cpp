// The loader on a data file as large as the program reads (about 100 KB):
// unscrambling and parsing, the work start-up does once.
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "database/RefrigerantDatabase.h"
#include "tools/tbx/Scrambler.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// 50 complete records, 100 counted help lines and more help text after them,
// up to MAX_DATA_TEXT characters: MAX_DATA_FILE_BYTES stored bytes.
std::vector<unsigned char> largestDataFile() {
    std::string records;
    for (int i = 0; i < MAX_REFRIGERANTS; ++i) {
        char line[400];
        std::snprintf(line, sizeof line,
                      "R%03d, -40, -5, 25, 65, -20, 45, 0.2925, 0.003, 0.0015, 0, 0, 5.277, "
                      "0.040864, 0.029591, 0.00028182, 0.00022545, 100, 0.32295, 0.001, "
                      "0.00531\r\n",
                      i);
        records += line;
    }
    const std::string start = "[START]\r\nVarnu Olvane data\r\n1.0.0\r\n3.0\r\n"
                              "0.50, 0.55, 0.60, 0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 1.00\r\n"
                              ".026, .028, .031, .036, .040, .042, .049, .054, .059, .064\r\n"
                              "Refrigerant, ranges, coefficients\r\n";
    const std::string helpLine =
        "The capillary is soldered to the suction line as a heat exchanger; tubes vary by 0.02 mm."
        "\r\n";
    std::string help = "[HELP]\r\n";
    while (help.size() + helpLine.size() + start.size() + records.size() <=
           static_cast<std::size_t>(MAX_DATA_TEXT)) {
        help += helpLine;
    }
    const std::string text = help + start + records;

    std::vector<unsigned char> bytes;
    PackProblem problem;
    scrambleText(reinterpret_cast<const unsigned char*>(text.data()), text.size(), bytes, problem);
    return bytes;
}

void BM_UnscrambleAndParse(benchmark::State& state) {
    const std::vector<unsigned char> bytes = largestDataFile();
    auto text = std::make_unique<DataFileText>();
    auto db = std::make_unique<RefrigerantDatabase>();
    for (auto _ : state) {
        const int length = unscrambleData(bytes.data(), bytes.size(), *text);
        const bool loaded = ParseDatabase(*text, *db);
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(loaded);
        if (!loaded || db->refrigerantCount != MAX_REFRIGERANTS) {
            state.SkipWithError("the generated data file does not load");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_UnscrambleAndParse)->Unit(benchmark::kMicrosecond);

} // namespace
