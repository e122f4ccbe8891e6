#include "tools/refgen/DataGeneration.h"

#include <atomic>
#include <cmath>
#include <thread>

std::vector<double> fitHeatLoads(double minimum, double maximum) {
    std::vector<double> loads;
    const int n = 7;
    for (int i = 0; i < n; ++i) {
        loads.push_back(minimum * std::pow(maximum / minimum, i / static_cast<double>(n - 1)));
    }
    return loads;
}

std::vector<double> gridSteps(double minimum, double maximum, double step) {
    const int n = std::max(1, static_cast<int>(std::lround((maximum - minimum) / step)));
    std::vector<double> values;
    for (int i = 0; i <= n; ++i) {
        values.push_back(minimum + (maximum - minimum) * i / n);
    }
    return values;
}

bool loadCatalogFluids(const std::string& folder, std::vector<std::shared_ptr<Fluid>>& fluids,
                       std::string& error) {
    fluids.clear();
    for (const CatalogEntry& entry : refrigerantCatalog()) {
        auto fluid = std::make_shared<Fluid>();
        if (!loadFluid(folder, entry.name, *fluid, error)) {
            return false;
        }
        if (!fluid->saturation.hasViscosity()) {
            if (entry.viscosityReference.empty()) {
                error = entry.name + " has no viscosity and no reference fluid";
                return false;
            }
            Fluid reference;
            if (!loadFluid(folder, entry.viscosityReference, reference, error) ||
                !fillViscosityByCorrespondingStates(*fluid, reference, error)) {
                return false;
            }
        }
        fluids.push_back(fluid);
    }
    return true;
}

void generateRefrigerant(const CatalogEntry& entry, std::shared_ptr<Fluid> fluid,
                         const SizingAssumptions& assumptions, RefrigerantData& data) {
    data = RefrigerantData{};
    data.entry = entry;
    data.fluid = fluid;
    const std::vector<double> te = gridSteps(entry.evapMin, entry.evapMax, 5.0);
    const std::vector<double> tc = gridSteps(entry.condMin, entry.condMax, 5.0);
    std::vector<double> trg = gridSteps(entry.returnGasMin, entry.returnGasMax, 15.0);
    std::vector<std::vector<double>> divisorGrid;
    for (double e : te) {
        for (double c : tc) {
            for (double r : trg) {
                if (r < e) {
                    continue;
                }
                divisorGrid.push_back({e, c, r});
                for (double q : fitHeatLoads(entry.loadMin, entry.loadMax)) {
                    SizingResult sized;
                    const OperatingPoint point{q, e, c, r};
                    if (!sizeCapillary(*fluid, point, assumptions, sized)) {
                        data.error = entry.name + ": no tube found at Q " + std::to_string(q) +
                                     " W, Te " + std::to_string(e) + ", Tc " + std::to_string(c) +
                                     ", Trg " + std::to_string(r);
                        return;
                    }
                    data.samples.push_back({q, e, c, r, sized.nitrogenFlow});
                }
            }
        }
    }
    auto effect = [&](double e, double c, double r) {
        SizingResult state;
        operatingState(*fluid, OperatingPoint{1.0, e, c, r}, assumptions, state);
        return state.refrigeratingEffect;
    };
    const double teMid = std::round(0.5 * (entry.evapMin + entry.evapMax));
    const double tcMid = std::round(0.5 * (entry.condMin + entry.condMax));
    if (!fitCorrelation(data.samples, effect, teMid, tcMid, divisorGrid, data.coefficients,
                        data.fit, data.error)) {
        data.error = entry.name + ": " + data.error;
        return;
    }
    data.ok = true;
}

std::vector<RefrigerantData> generateAll(const std::vector<std::shared_ptr<Fluid>>& fluids,
                                         const SizingAssumptions& assumptions, int threads) {
    const std::vector<CatalogEntry>& catalog = refrigerantCatalog();
    std::vector<RefrigerantData> results(catalog.size());
    std::atomic<std::size_t> next{0};
    auto work = [&]() {
        for (std::size_t i = next++; i < catalog.size(); i = next++) {
            generateRefrigerant(catalog[i], fluids[i], assumptions, results[i]);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& t : pool) {
        t.join();
    }
    return results;
}
