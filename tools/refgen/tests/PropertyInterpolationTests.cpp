// Interpolation of the property tables.
#include "tools/refgen/Fluid.h"
#include "tools/refgen/UniformInterpolation.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(UniformInterpolation, CubicPassesTheGridAndReproducesQuadratics) {
    UniformSeries s;
    s.x0 = -2.0;
    s.step = 0.5;
    for (int i = 0; i < 12; ++i) {
        const double x = s.x0 + s.step * i;
        s.y.push_back(3.0 - 2.0 * x + 0.7 * x * x);
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_DOUBLE_EQ(s.cubic(s.x0 + s.step * i), s.y[i]);
    }
    // Away from the end cells the central slopes are exact for a quadratic.
    for (double x : {-1.3, -0.2, 0.61, 1.77, 2.2}) {
        EXPECT_NEAR(s.cubic(x), 3.0 - 2.0 * x + 0.7 * x * x, 1e-12) << x;
        EXPECT_NEAR(s.cubicSlope(x), -2.0 + 1.4 * x, 1e-12) << x;
    }
    EXPECT_NEAR(s.linear(-1.75), 0.5 * (s.y[0] + s.y[1]), 1e-12);
    EXPECT_TRUE(s.covers(3.5));
    EXPECT_FALSE(s.covers(3.6));
}

TEST(UniformInterpolation, InverseOfAnIncreasingSeriesRoundTrips) {
    UniformSeries s;
    s.x0 = 0.0;
    s.step = 1.0;
    for (int i = 0; i < 20; ++i) {
        s.y.push_back(std::exp(0.1 * i));
    }
    for (double x : {0.0, 0.3, 4.5, 11.25, 19.0}) {
        EXPECT_NEAR(s.invertCubic(s.cubic(x)), x, 1e-9) << x;
    }
    // Outside the values the nearest end is returned.
    EXPECT_DOUBLE_EQ(s.invertCubic(0.5), 0.0);
    EXPECT_DOUBLE_EQ(s.invertCubic(100.0), 19.0);
}

TEST(UniformInterpolation, BilinearIsExactForBilinearFunctionsAndNanOutside) {
    UniformTable2D t;
    t.row0 = -50;
    t.rowStep = 2;
    t.column0 = 0;
    t.columnStep = 2;
    t.rowCount = 5;
    t.columnCount = 4;
    for (int r = 0; r < t.rowCount; ++r) {
        for (int c = 0; c < t.columnCount; ++c) {
            const double x = t.row0 + r * t.rowStep, y = c * t.columnStep;
            t.values.push_back(1.0 + 0.5 * x - 2.0 * y + 0.25 * x * y);
        }
    }
    for (double x : {-50.0, -47.3, -43.0, -42.0}) {
        for (double y : {0.0, 1.1, 5.9, 6.0}) {
            EXPECT_NEAR(t.bilinear(x, y), 1.0 + 0.5 * x - 2.0 * y + 0.25 * x * y, 1e-12);
        }
    }
    EXPECT_TRUE(std::isnan(t.bilinear(-52.0, 1.0)));
    EXPECT_TRUE(std::isnan(t.bilinear(-45.0, 6.5)));
    // A missing corner poisons only the cells that need it.
    t.values[t.columnCount * 4 + 3] = std::nan("");
    EXPECT_TRUE(std::isnan(t.bilinear(-43.0, 5.0)));
    EXPECT_FALSE(std::isnan(t.bilinear(-42.0, 4.0)));
}

TEST(FluidTables, SaturationAndVapourTablesOfR134a) {
    Fluid f;
    std::string error;
    ASSERT_TRUE(loadFluid(REFGEN_TABLES, "R134a", f, error)) << error;
    // Grid points reproduce the table (R134a at 0 °C: 2.928 bar, 1294.8 kg/m³, 398.60 kJ/kg).
    const SaturatedState s0 = f.saturation.atBubbleTemperature(0.0);
    EXPECT_NEAR(s0.pressure / 1e5, 2.928, 0.001);
    EXPECT_NEAR(1.0 / s0.liquidVolume, 1294.8, 0.1);
    EXPECT_NEAR(s0.vapourEnthalpy / 1e3, 398.60, 0.01);
    EXPECT_NEAR(s0.liquidEnthalpy / 1e3, 200.0, 0.01);
    EXPECT_NEAR(s0.liquidViscosity * 1e6, 266.5, 0.1);
    // Between grid points the pressure follows the smooth curve: the half-way
    // value lies between its neighbours and close to their geometric mean.
    const double pa = f.saturation.bubblePressure(40.0), pb = f.saturation.bubblePressure(41.0);
    const double pm = f.saturation.bubblePressure(40.5);
    EXPECT_GT(pm, pa);
    EXPECT_LT(pm, pb);
    EXPECT_NEAR(pm / std::sqrt(pa * pb), 1.0, 2e-4);
    // Pressure and liquid enthalpy invert back to the temperature.
    for (double t : {-37.3, -25.0, 12.6, 55.0}) {
        EXPECT_NEAR(f.saturation.bubbleTemperatureAtPressure(f.saturation.bubblePressure(t)), t,
                    1e-7);
        EXPECT_NEAR(f.saturation.bubbleTemperatureAtLiquidEnthalpy(
                        f.saturation.atBubbleTemperature(t).liquidEnthalpy),
                    t, 1e-7);
    }
    // Superheated vapour: the saturated row equals the saturation table, and h
    // rises with temperature along an isobar.
    EXPECT_NEAR(f.vapourEnthalpy(-10.0, -10.0),
                f.saturation.atBubbleTemperature(-10.0).vapourEnthalpy, 20.0);
    EXPECT_GT(f.vapourEnthalpy(-25.0, 32.0), f.vapourEnthalpy(-25.0, 20.0));
    EXPECT_TRUE(std::isnan(f.vapourEnthalpy(30.0, 40.0))); // no block above a 20 °C dew point
    // Subcooled liquid: 15 K below 52 °C lies below the saturated liquid at 52 °C.
    EXPECT_LT(f.liquidEnthalpy(52.0, 37.0), f.saturation.atBubbleTemperature(52.0).liquidEnthalpy);
}

TEST(FluidTables, BlendConventionsAndEstimatedViscosity) {
    Fluid f;
    std::string error;
    ASSERT_TRUE(loadFluid(REFGEN_TABLES, "R407C", f, error)) << error;
    // Dew pressure at a temperature is below the bubble pressure (glide about 6 K at 0 °C).
    EXPECT_LT(f.saturation.dewPressure(0.0), f.saturation.bubblePressure(0.0));
    const SaturatedState s = f.saturation.atPressure(f.saturation.bubblePressure(0.0));
    EXPECT_NEAR(s.dewTemperature - s.bubbleTemperature, 6.1, 0.3);

    Fluid r502, r22;
    ASSERT_TRUE(loadFluid(REFGEN_TABLES, "R502", r502, error)) << error;
    ASSERT_TRUE(loadFluid(REFGEN_TABLES, "R22", r22, error)) << error;
    EXPECT_FALSE(r502.saturation.hasViscosity());
    ASSERT_TRUE(fillViscosityByCorrespondingStates(r502, r22, error)) << error;
    ASSERT_TRUE(r502.saturation.hasViscosity());
    const double mu = r502.saturation.liquidViscosity(0.0);
    // A liquid refrigerant's viscosity at 0 °C: 100 to 350 µPa·s.
    EXPECT_GT(mu, 100e-6);
    EXPECT_LT(mu, 350e-6);
    EXPECT_LT(r502.saturation.liquidViscosity(40.0), mu);
}
