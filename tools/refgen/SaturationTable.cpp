#include "tools/refgen/SaturationTable.h"

#include <cmath>

namespace {

constexpr double PASCAL_PER_BAR = 1e5;
constexpr double JOULE_PER_KILOJOULE = 1e3;
constexpr double PASCAL_SECOND_PER_MICRO = 1e-6;

bool uniformGrid(const std::vector<double>& t, std::string& error) {
    if (t.size() < 4) {
        error = "saturation table has fewer than 4 rows";
        return false;
    }
    const double step = t[1] - t[0];
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (std::fabs(t[i] - t[0] - step * static_cast<double>(i)) > 1e-9 || step <= 0) {
            error = "saturation temperatures are not a uniform increasing grid";
            return false;
        }
    }
    return true;
}

bool allFinite(const std::vector<double>& v) {
    for (double x : v) {
        if (!std::isfinite(x)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool SaturationTable::build(const CsvTable& table, const CsvTable* estimate, std::string& error) {
    std::vector<double> t, pb, pd, rl, rv, hl, hv, ml, mv, td;
    if (!numericColumn(table, "T_C", t, error) ||
        !numericColumn(table, "p_bubble_bar", pb, error) ||
        !numericColumn(table, "p_dew_bar", pd, error) ||
        !numericColumn(table, "rho_liq_kg_m3", rl, error) ||
        !numericColumn(table, "rho_vap_kg_m3", rv, error) ||
        !numericColumn(table, "h_liq_kJ_kg", hl, error) ||
        !numericColumn(table, "h_vap_kJ_kg", hv, error) ||
        !numericColumn(table, "mu_liq_uPa_s", ml, error) ||
        !numericColumn(table, "mu_vap_uPa_s", mv, error) ||
        !numericColumn(table, "T_dew_C", td, error)) {
        return false;
    }
    if (!uniformGrid(t, error)) {
        return false;
    }
    if (!allFinite(pb) || !allFinite(pd) || !allFinite(rl) || !allFinite(rv) || !allFinite(hl) ||
        !allFinite(hv) || !allFinite(td)) {
        error = "saturation table has an empty state value";
        return false;
    }
    if (estimate != nullptr && (!allFinite(ml) || !allFinite(mv))) {
        std::vector<double> el, ev;
        if (!numericColumn(*estimate, "mu_liq_est_uPa_s", el, error) ||
            !numericColumn(*estimate, "mu_vap_est_uPa_s", ev, error)) {
            return false;
        }
        if (el.size() != t.size() || ev.size() != t.size()) {
            error = "viscosity estimate is not on the saturation grid";
            return false;
        }
        ml = el;
        mv = ev;
    }
    const double t0 = t[0];
    const double step = t[1] - t[0];
    auto series = [&](UniformSeries& s) {
        s.x0 = t0;
        s.step = step;
        s.y.clear();
        return &s.y;
    };
    std::vector<double>* y = nullptr;
    y = series(lnBubblePressure_);
    for (double p : pb) {
        y->push_back(std::log(p * PASCAL_PER_BAR));
    }
    y = series(lnDewPressure_);
    for (double p : pd) {
        y->push_back(std::log(p * PASCAL_PER_BAR));
    }
    y = series(liquidVolume_);
    for (double r : rl) {
        y->push_back(1.0 / r);
    }
    y = series(lnVapourVolume_);
    for (double r : rv) {
        y->push_back(std::log(1.0 / r));
    }
    y = series(liquidEnthalpy_);
    for (double h : hl) {
        y->push_back(h * JOULE_PER_KILOJOULE);
    }
    y = series(vapourEnthalpy_);
    for (double h : hv) {
        y->push_back(h * JOULE_PER_KILOJOULE);
    }
    y = series(dewTemperature_);
    *y = td;
    hasViscosity_ = allFinite(ml) && allFinite(mv);
    series(lnLiquidViscosity_);
    series(lnVapourViscosity_);
    if (hasViscosity_) {
        std::vector<double> l(ml.size()), v(mv.size());
        for (std::size_t i = 0; i < ml.size(); ++i) {
            l[i] = ml[i] * PASCAL_SECOND_PER_MICRO;
            v[i] = mv[i] * PASCAL_SECOND_PER_MICRO;
        }
        setViscosity(l, v);
    }
    return true;
}

void SaturationTable::setViscosity(const std::vector<double>& liquid,
                                   const std::vector<double>& vapour) {
    lnLiquidViscosity_.y.clear();
    lnVapourViscosity_.y.clear();
    for (double m : liquid) {
        lnLiquidViscosity_.y.push_back(std::log(m));
    }
    for (double m : vapour) {
        lnVapourViscosity_.y.push_back(std::log(m));
    }
    hasViscosity_ = true;
}

double SaturationTable::liquidViscosity(double t) const {
    return std::exp(lnLiquidViscosity_.cubic(t));
}

double SaturationTable::vapourViscosity(double t) const {
    return std::exp(lnVapourViscosity_.cubic(t));
}

SaturatedState SaturationTable::atBubbleTemperature(double t) const {
    SaturatedState s;
    s.bubbleTemperature = t;
    s.dewTemperature = dewTemperature_.cubic(t);
    s.pressure = std::exp(lnBubblePressure_.cubic(t));
    s.liquidEnthalpy = liquidEnthalpy_.cubic(t);
    s.vapourEnthalpy = vapourEnthalpy_.cubic(t);
    s.liquidVolume = liquidVolume_.cubic(t);
    s.vapourVolume = std::exp(lnVapourVolume_.cubic(t));
    if (hasViscosity_) {
        s.liquidViscosity = liquidViscosity(t);
        s.vapourViscosity = vapourViscosity(t);
    }
    return s;
}

double SaturationTable::dewPressure(double dewTemperature) const {
    return std::exp(lnDewPressure_.cubic(dewTemperature));
}

double SaturationTable::bubblePressure(double bubbleTemperature) const {
    return std::exp(lnBubblePressure_.cubic(bubbleTemperature));
}

double SaturationTable::bubbleTemperatureAtPressure(double p) const {
    return lnBubblePressure_.invertCubic(std::log(p));
}

SaturatedState SaturationTable::atPressure(double p) const {
    SaturatedState s = atBubbleTemperature(bubbleTemperatureAtPressure(p));
    s.pressure = p;
    return s;
}

double SaturationTable::bubbleTemperatureAtLiquidEnthalpy(double h) const {
    return liquidEnthalpy_.invertCubic(h);
}
