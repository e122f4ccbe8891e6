#pragma once
// From the property tables to one refrigerant's record: its envelope, the
// model's required nitrogen flow over a grid of the envelope and loads, and
// the correlation fitted to it.
#include "tools/refgen/CoefficientFit.h"
#include "tools/refgen/RefrigerantCatalog.h"
#include "tools/refgen/Sizing.h"

#include <memory>
#include <string>
#include <vector>

// Seven heat loads of the fit grid (W), logarithmically spaced.
std::vector<double> fitHeatLoads(double minimum, double maximum);

// Values from minimum to maximum in steps of about `step`, both ends included.
std::vector<double> gridSteps(double minimum, double maximum, double step);

struct RefrigerantData {
    CatalogEntry entry;
    std::shared_ptr<Fluid> fluid;
    std::vector<FitSample> samples; // the model's required flow over the grid
    FlowCoefficients coefficients;
    FitReport fit;
    bool ok = false;
    std::string error;
};

// Loads `fluids` (all of the catalog, in order, with the viscosity
// references resolved) from the table folder.
bool loadCatalogFluids(const std::string& folder, std::vector<std::shared_ptr<Fluid>>& fluids,
                       std::string& error);

// Sizes the grid and fits the correlation for one refrigerant.
void generateRefrigerant(const CatalogEntry& entry, std::shared_ptr<Fluid> fluid,
                         const SizingAssumptions& assumptions, RefrigerantData& data);

// All refrigerants, on up to `threads` threads (the result does not depend on it).
std::vector<RefrigerantData> generateAll(const std::vector<std::shared_ptr<Fluid>>& fluids,
                                         const SizingAssumptions& assumptions, int threads);
