// Time of one selection run at the default inputs (110 W, -25, 55, 32 ºC).
#include "selection/RunSelection.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

// A database shaped like the shipped one: a 2.5 m target, 20 diameters in
// each list and a refrigerant whose flow at the defaults is about 2.4 l/min.
std::unique_ptr<RefrigerantDatabase> MakeBenchmarkDatabase() {
    auto db = std::make_unique<RefrigerantDatabase>();
    db->targetLength = 2.5;
    for (int i = 0; i < 20; ++i) {
        db->europeDiameters.values[i] = 0.50 + 0.05 * i;
        db->northAmericaDiameters.values[i] = (0.020 + 0.002 * i) * 25.4;
    }
    db->europeDiameters.count = 20;
    db->northAmericaDiameters.count = 20;
    db->refrigerantCount = 1;
    RefrigerantRecord& r = db->refrigerants[0];
    std::strcpy(r.name, "R134a");
    r.evapMin = -40;
    r.evapMax = -10;
    r.condMin = 30;
    r.condMax = 70;
    r.returnGasMin = 0;
    r.returnGasMax = 45;
    r.flowCoefficients[0] = 1.5;
    r.flowCoefficients[1] = 0.01;
    r.flowCoefficients[2] = 0.02;
    r.flowCoefficients[5] = 0.1;
    r.divisorCoefficients[0] = 250;
    return db;
}

const RefrigerantDatabase& Database() {
    static const std::unique_ptr<RefrigerantDatabase> db = MakeBenchmarkDatabase();
    return *db;
}

void BM_RunSelectionDefaults(benchmark::State& state) {
    const RefrigerantDatabase& db = Database();
    SelectionInputs inputs;
    inputs.heatLoad = 110;
    inputs.evapTemp = -25;
    inputs.condTemp = 55;
    inputs.returnGasTemp = 32;
    inputs.ambientTemp = 32;
    const UnitSettings units;
    SelectionResult result;
    for (auto _ : state) {
        const bool ok = RunSelection(inputs, 0, units, db, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.optimalIndex);
    }
    if (!HasRecommendation(result)) {
        state.SkipWithError("the default inputs gave no recommendation");
    }
}
BENCHMARK(BM_RunSelectionDefaults);

} // namespace
