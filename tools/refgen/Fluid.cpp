#include "tools/refgen/Fluid.h"

#include <cmath>
#include <limits>

namespace {

constexpr double JOULE_PER_KILOJOULE = 1e3;

bool fileExists(const std::string& path) {
    CsvTable t;
    std::string e;
    return readCsv(path, t, e);
}

// Builds a table indexed by a row key (column rowName) and an offset from it
// (column columnName minus row key, times offsetSign), both on 2 K grids.
bool buildOffsetTable(const CsvTable& table, const std::string& rowName,
                      const std::string& columnName, double offsetSign,
                      const std::string& valueName, double scale, UniformTable2D& out,
                      std::string& error) {
    std::vector<double> rowKey, columnKey, value;
    if (!numericColumn(table, rowName, rowKey, error) ||
        !numericColumn(table, columnName, columnKey, error) ||
        !numericColumn(table, valueName, value, error)) {
        return false;
    }
    if (rowKey.empty()) {
        error = "empty table";
        return false;
    }
    double rowMin = rowKey[0], rowMax = rowKey[0], offsetMax = 0.0;
    for (std::size_t i = 0; i < rowKey.size(); ++i) {
        rowMin = std::fmin(rowMin, rowKey[i]);
        rowMax = std::fmax(rowMax, rowKey[i]);
        offsetMax = std::fmax(offsetMax, offsetSign * (columnKey[i] - rowKey[i]));
    }
    const double step = 2.0;
    out.row0 = rowMin;
    out.rowStep = step;
    out.column0 = 0.0;
    out.columnStep = step;
    out.rowCount = static_cast<int>(std::lround((rowMax - rowMin) / step)) + 1;
    out.columnCount = static_cast<int>(std::lround(offsetMax / step)) + 1;
    out.values.assign(static_cast<std::size_t>(out.rowCount) * out.columnCount,
                      std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < rowKey.size(); ++i) {
        const double r = (rowKey[i] - rowMin) / step;
        const double c = offsetSign * (columnKey[i] - rowKey[i]) / step;
        if (std::fabs(r - std::round(r)) > 1e-6 || std::fabs(c - std::round(c)) > 1e-6 ||
            c < -1e-6) {
            error = "table is not on a 2 K grid";
            return false;
        }
        out.values[static_cast<std::size_t>(std::lround(r)) * out.columnCount + std::lround(c)] =
            value[i] * scale;
    }
    return true;
}

} // namespace

double Fluid::vapourEnthalpy(double dewTemperature, double t) const {
    return vapour_.bilinear(dewTemperature, t - dewTemperature);
}

double Fluid::liquidEnthalpy(double bubbleTemperature, double t) const {
    return liquid_.bilinear(bubbleTemperature, bubbleTemperature - t);
}

double Fluid::vapourTableMaxDew() const {
    return vapour_.row0 + vapour_.rowStep * (vapour_.rowCount - 1);
}

double Fluid::vapourTableMaxTemperature() const {
    // Every block of the vapour table ends at the same temperature.
    return vapour_.row0 + vapour_.columnStep * (vapour_.columnCount - 1);
}

bool Fluid::buildVapour(const CsvTable& table, std::string& error) {
    return buildOffsetTable(table, "Tsat_C", "T_C", 1.0, "h_kJ_kg", JOULE_PER_KILOJOULE, vapour_,
                            error);
}

bool Fluid::buildLiquid(const CsvTable& table, std::string& error) {
    return buildOffsetTable(table, "Tsat_C", "T_C", -1.0, "h_kJ_kg", JOULE_PER_KILOJOULE, liquid_,
                            error);
}

bool loadFluid(const std::string& folder, const std::string& name, Fluid& fluid,
               std::string& error) {
    fluid = Fluid{};
    CsvTable fluids;
    if (!readCsv(folder + "/fluids.csv", fluids, error)) {
        return false;
    }
    const int nameColumn = fluids.column("name");
    bool found = false;
    for (std::size_t r = 0; r < fluids.rows.size(); ++r) {
        if (fluids.text(r, nameColumn) == name) {
            fluid.info.name = name;
            fluid.info.model = fluids.text(r, fluids.column("model"));
            fluid.info.molarMass = fluids.number(r, fluids.column("molar_mass_kg_kmol"));
            fluid.info.criticalTemperature = fluids.number(r, fluids.column("Tcrit_C"));
            fluid.info.criticalPressure = fluids.number(r, fluids.column("pcrit_bar")) * 1e5;
            found = true;
        }
    }
    if (!found) {
        error = name + " is not in fluids.csv";
        return false;
    }
    CsvTable saturation, vapour, liquid, estimate;
    const std::string satPath = folder + "/saturation/" + name + ".csv";
    if (!readCsv(satPath, saturation, error) ||
        !readCsv(folder + "/vapour/" + name + ".csv", vapour, error) ||
        !readCsv(folder + "/liquid/" + name + ".csv", liquid, error)) {
        return false;
    }
    const std::string estimatePath = folder + "/estimates/saturation/" + name + ".csv";
    const bool hasEstimate = fileExists(estimatePath) && readCsv(estimatePath, estimate, error);
    if (!fluid.saturation.build(saturation, hasEstimate ? &estimate : nullptr, error)) {
        error = satPath + ": " + error;
        return false;
    }
    if (hasEstimate && fluid.saturation.hasViscosity()) {
        fluid.viscositySource = "estimate";
    }
    if (!fluid.buildVapour(vapour, error) || !fluid.buildLiquid(liquid, error)) {
        error = name + ": " + error;
        return false;
    }
    return true;
}

bool fillViscosityByCorrespondingStates(Fluid& fluid, const Fluid& reference, std::string& error) {
    if (!reference.saturation.hasViscosity()) {
        error = reference.info.name + " has no viscosity to scale from";
        return false;
    }
    auto xi = [](const FluidInfo& f) {
        const double tc = f.criticalTemperature + 273.15;
        const double pc = f.criticalPressure / 101325.0;
        return std::pow(tc, 1.0 / 6.0) / (std::sqrt(f.molarMass) * std::pow(pc, 2.0 / 3.0));
    };
    const double scale = xi(reference.info) / xi(fluid.info);
    const double tcFluid = fluid.info.criticalTemperature + 273.15;
    const double tcReference = reference.info.criticalTemperature + 273.15;
    std::vector<double> liquid, vapour;
    for (double t = fluid.saturation.minTemperature();
         t <= fluid.saturation.maxTemperature() + 1e-9; t += 1.0) {
        const double tr = (t + 273.15) / tcFluid;
        double tRef = tr * tcReference - 273.15;
        if (tRef < reference.saturation.minTemperature()) {
            tRef = reference.saturation.minTemperature();
        }
        if (tRef > reference.saturation.maxTemperature()) {
            tRef = reference.saturation.maxTemperature();
        }
        liquid.push_back(reference.saturation.liquidViscosity(tRef) * scale);
        vapour.push_back(reference.saturation.vapourViscosity(tRef) * scale);
    }
    fluid.saturation.setViscosity(liquid, vapour);
    fluid.viscositySource = "corresponding states from " + reference.info.name;
    return true;
}
