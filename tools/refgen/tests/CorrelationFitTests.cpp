// The data file's correlation and its fit.
#include "selection/FlowRate.h"
#include "tools/refgen/CoefficientFit.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Correlation, FitRecoversFlowsThatFollowTheForm) {
    FlowCoefficients truth;
    const double b[10] = {0.3, 0.002, -0.002, 1e-5, 1e-5, 8.0, 0.06, -0.03, -5e-4, 3e-4};
    for (int k = 0; k < 10; ++k) {
        truth.b[k] = b[k];
    }
    // Refrigerating effect with a Trg slope that depends on Te and Tc.
    auto effect = [](double te, double tc, double trg) {
        return 1000.0 * (160.0 - 1.2 * (tc - 47) + 0.3 * (te + 10)) *
               (1.0 + (trg - 32) * (0.011 + 2e-5 * te - 1e-5 * tc));
    };
    truth.a[0] = effect(-10, 47, 32) / 1000.0;
    truth.a[1] = truth.a[0] * 0.011;
    truth.a[2] = truth.a[0] * 2e-5;
    truth.a[3] = truth.a[0] * -1e-5;
    std::vector<FitSample> samples;
    std::vector<std::vector<double>> grid;
    for (double te = -35; te <= 10; te += 5) {
        for (double tc = 35; tc <= 60; tc += 5) {
            for (double trg : {10.0, 27.5, 45.0}) {
                grid.push_back({te, tc, trg});
                for (double q : {20.0, 60.0, 200.0, 500.0}) {
                    samples.push_back(
                        {q, te, tc, trg, nitrogenFlowRate(correlationRecord(truth), q, te, tc, trg)});
                }
            }
        }
    }
    FlowCoefficients fitted;
    FitReport report;
    std::string error;
    ASSERT_TRUE(fitCorrelation(samples, effect, -10, 47, grid, fitted, report, error)) << error;
    EXPECT_LT(report.refined.maxRelative, 1e-7);
    EXPECT_NEAR(fitted.a[0], truth.a[0], 1e-9);
    for (int k = 0; k < 10; ++k) {
        EXPECT_NEAR(fitted.b[k], truth.b[k], 1e-6 * (std::fabs(truth.b[k]) + 1e-3)) << k;
    }
}

TEST(Correlation, RefinementLowersTheLargestErrorOfACurvedResponse) {
    // F grows with the load to the power 0.9: the linear form cannot follow it
    // exactly; the refinement trades towards the goals and lowers the largest error.
    std::vector<FitSample> samples;
    std::vector<std::vector<double>> grid;
    auto effect = [](double te, double tc, double trg) {
        return 1000.0 * (150.0 + te - tc) * (1.0 + 0.01 * (trg - 32));
    };
    for (double te = -30; te <= 0; te += 5) {
        for (double tc = 35; tc <= 55; tc += 5) {
            for (double trg : {0.0, 20.0, 40.0}) {
                grid.push_back({te, tc, trg});
                for (double q : {20.0, 40.0, 80.0, 160.0, 320.0}) {
                    const double m = q / effect(te, tc, trg) * 1000.0;
                    samples.push_back({q, te, tc, trg, 12.0 * std::pow(m, 0.9) * (1 + 0.004 * tc)});
                }
            }
        }
    }
    FlowCoefficients fitted;
    FitReport report;
    std::string error;
    ASSERT_TRUE(fitCorrelation(samples, effect, -15, 45, grid, fitted, report, error)) << error;
    EXPECT_LE(std::fmax(report.refined.rmsRelative / 0.03, report.refined.maxRelative / 0.08),
              std::fmax(report.physicalDivisor.rmsRelative / 0.03,
                        report.physicalDivisor.maxRelative / 0.08));
    EXPECT_LT(report.refined.maxRelative, report.physicalDivisor.maxRelative);
    const FitQuality measured = measureFit(fitted, samples);
    EXPECT_DOUBLE_EQ(measured.maxRelative, report.refined.maxRelative);
}
