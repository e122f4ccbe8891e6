#include "tools/refgen/FlowPlots.h"

#include "selection/FlowRate.h"
#include "tools/refgen/SvgPlot.h"

#include <cctype>
#include <cmath>
#include <cstdio>

std::string plotFileName(const std::string& refrigerant) {
    std::string name;
    for (char c : refrigerant) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        }
    }
    return name + ".svg";
}

double plotCondensing(const CatalogEntry& entry) {
    return std::fmin(55.0, entry.condMax);
}

double plotReturnGas(const CatalogEntry& entry) {
    return std::fmax(entry.returnGasMin, std::fmin(32.0, entry.returnGasMax));
}

std::string flowPlotSvg(const RefrigerantData& data, const SizingAssumptions& assumptions) {
    const CatalogEntry& e = data.entry;
    const double tc = plotCondensing(e);
    const double trg = plotReturnGas(e);
    const double evaporating[3] = {e.evapMin, std::round(0.5 * (e.evapMin + e.evapMax)), e.evapMax};
    const char* colours[3] = {"#1f5fa8", "#d9781f", "#2e9a48"};
    const RefrigerantRecord correlation = correlationRecord(data.coefficients);
    std::vector<PlotSeries> series;
    for (int i = 0; i < 3; ++i) {
        PlotSeries s;
        char label[48];
        std::snprintf(label, sizeof label,
                      "Te %+.0f \xC2\xB0"
                      "C",
                      evaporating[i]);
        s.label = label;
        s.colour = colours[i];
        for (double q : fitHeatLoads(e.loadMin, e.loadMax)) {
            SizingResult sized;
            if (sizeCapillary(*data.fluid, OperatingPoint{q, evaporating[i], tc, trg}, assumptions,
                              sized)) {
                s.points.push_back({q, sized.nitrogenFlow});
            }
        }
        const int steps = 40;
        for (int k = 0; k <= steps; ++k) {
            const double q = e.loadMax * k / steps;
            s.curve.push_back({q, nitrogenFlowRate(correlation, q, evaporating[i], tc, trg)});
        }
        series.push_back(s);
    }
    PlotAxes axes;
    axes.title = e.name + ": required nitrogen flow";
    char note[160];
    std::snprintf(note, sizeof note,
                  "Tc %.0f \xC2\xB0"
                  "C, return gas %.0f \xC2\xB0"
                  "C, tube length %.2f m, "
                  "fit RMS %.1f %%, max %.1f %% over the envelope",
                  tc, trg, assumptions.targetLength, 100 * data.fit.refined.rmsRelative,
                  100 * data.fit.refined.maxRelative);
    axes.note = note;
    axes.xLabel = "heat load Q (W)";
    axes.yLabel = "N2 flow F at 10 bar (l/min)";
    return lineChartSvg(axes, series);
}
