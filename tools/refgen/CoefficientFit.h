#pragma once
// Fitting the data file's flow correlation to model points.
//
//   H = A0 + (Trg - 32) (A1 + A2 Te + A3 Tc)
//   F = (B0 + B1 Te + B2 Tc + B3 Te Tc + B4 Te²)
//     + (B5 + B6 Te + B7 Tc + B8 Te Tc + B9 Te²) Q / H
//
// H plays the part of the refrigerating effect (kJ/kg), so Q / H is close to
// the mass flow in g/s. F is linear in B but not in A. The fit therefore
//   1. fixes A0 as the refrigerating effect at the envelope's middle at
//      Trg = 32 °C (it only sets the scale of B5..B9),
//   2. takes A1..A3 from the physics: the least-squares fit of
//      Δh(Trg) / Δh(32) - 1 = (Trg - 32) (a1 + a2 Te + a3 Tc), Ai = A0 ai,
//   3. solves B0..B9 by linear least squares in the relative error of F,
//   4. refines all of B0..B9, A1..A3 together by Levenberg-Marquardt on the
//      relative error of F (the capillary's own response to Trg, through the
//      heat exchanger, is not exactly the refrigerating effect's), in the
//      p-norm (p = 2, 4, 8, 16; Gauss-Newton on |r|^p) that best meets both goals,
//      3 % RMS and 8 % largest error.
#include "database/RefrigerantDatabase.h"

#include <functional>
#include <string>
#include <vector>

struct FitSample {
    double heatLoad = 0.0;    // W
    double evaporating = 0.0; // °C
    double condensing = 0.0;  // °C
    double returnGas = 0.0;   // °C
    double flow = 0.0;        // l/min, the model's required nitrogen flow
};

struct FlowCoefficients {
    double b[10] = {};
    double a[4] = {};
};

// The coefficients in the program's own record, so that every evaluation of
// the correlation goes through the program's nitrogenFlowRate and heatLoadDivisor.
RefrigerantRecord correlationRecord(const FlowCoefficients& c);

struct FitQuality {
    double rmsRelative = 0.0;
    double maxRelative = 0.0;
    int worstSample = -1;
};

FitQuality measureFit(const FlowCoefficients& c, const std::vector<FitSample>& samples);

struct FitReport {
    FitQuality physicalDivisor; // after step 3
    FitQuality refined;         // after step 4
    double power = 0.0;         // p of the kept refinement, 0 when step 3 was kept
    int iterations = 0;
};

// `refrigeratingEffect(te, tc, trg)` gives Δh in J/kg; `teMid`, `tcMid` the
// envelope's middle; `divisorGrid` the (te, tc, trg) points for step 2.
bool fitCorrelation(const std::vector<FitSample>& samples,
                    const std::function<double(double, double, double)>& refrigeratingEffect,
                    double teMid, double tcMid, const std::vector<std::vector<double>>& divisorGrid,
                    FlowCoefficients& result, FitReport& report, std::string& error);
