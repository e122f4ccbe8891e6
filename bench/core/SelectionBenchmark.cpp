// Time of one selection run on the shipped data file at the default inputs
// (110 W, -25, 55, 32 ºC, first refrigerant, Europe list).
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "selection/RunSelection.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// Loaded once for every benchmark; null when the file does not load.
const RefrigerantDatabase* shippedDatabase() {
    static const std::unique_ptr<RefrigerantDatabase> db = [] {
        std::ifstream file(OLVANE_DATA_TBX, std::ios::binary);
        const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                               std::istreambuf_iterator<char>());
        auto text = std::make_unique<DataFileText>();
        auto loaded = std::make_unique<RefrigerantDatabase>();
        if (unscrambleData(bytes.data(), bytes.size(), *text) == 0 ||
            !ParseDatabase(*text, *loaded)) {
            loaded.reset();
        }
        return loaded;
    }();
    return db.get();
}

void BM_RunSelectionDefaults(benchmark::State& state) {
    const RefrigerantDatabase* db = shippedDatabase();
    if (db == nullptr) {
        state.SkipWithError("the shipped data file did not load");
        return;
    }
    SelectionInputs inputs;
    inputs.heatLoad = 110;
    inputs.evapTemp = -25;
    inputs.condTemp = 55;
    inputs.returnGasTemp = 32;
    inputs.ambientTemp = 32;
    const UnitSettings units;
    SelectionResult result;
    for (auto _ : state) {
        const bool ok = RunSelection(inputs, 0, units, *db, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.optimalIndex);
    }
    if (!hasRecommendation(result)) {
        state.SkipWithError("the default inputs gave no recommendation");
    }
}
BENCHMARK(BM_RunSelectionDefaults);

} // namespace
