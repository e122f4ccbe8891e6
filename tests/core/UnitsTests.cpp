// Unit labels, conversions and display formats. "\272" is the octal form of
// byte 0xBA (º), so that a following C or F is not read as a hex digit.
#include "units/TextFormat.h"
#include "units/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

UnitSettings allImperial() {
    UnitSettings units;
    units.energyUnit = 0;
    units.temperatureUnit = 1;
    units.pressureUnit = 1;
    units.diameterUnit = 1;
    units.lengthUnit = 1;
    units.flowUnit = 0;
    return units;
}

} // namespace

TEST(UnitLabels, MetricImperialAndOtherKinds) {
    const UnitSettings metric;
    const UnitSettings imperial = allImperial();
    const char* metricLabels[] = {"m", "\272C", "bar", "mm", "W", "l/min"};
    const char* imperialLabels[] = {"in.", "\272F", "psi", "in.", "Btu/hr", "CFM"};
    for (int kind = 0; kind < 6; ++kind) {
        EXPECT_STREQ(UnitLabel(metric, kind), metricLabels[kind]) << kind;
        EXPECT_STREQ(UnitLabel(imperial, kind), imperialLabels[kind]) << kind;
    }
    for (int kind : {6, 7, 1000, -1, std::numeric_limits<int>::min()}) {
        EXPECT_STREQ(UnitLabel(metric, kind), " ") << kind;
        EXPECT_STREQ(UnitLabel(imperial, kind), " ") << kind;
    }
}

// An edited settings store may hold 2: labels test against 0, the length,
// diameter and pressure conversions for exactly 1.
TEST(UnitLabels, ValueOtherThanOneSelectsTheLabelButDoesNotConvert) {
    UnitSettings units;
    units.lengthUnit = units.diameterUnit = units.pressureUnit = units.flowUnit = 2;
    EXPECT_STREQ(UnitLabel(units, UNIT_LENGTH), "in.");
    EXPECT_STREQ(UnitLabel(units, UNIT_DIAMETER), "in.");
    EXPECT_STREQ(UnitLabel(units, UNIT_PRESSURE), "psi");
    EXPECT_EQ(LengthForDisplay(units, 1.0), 1.0);
    EXPECT_EQ(DiameterForDisplay(units, 0.8), 0.8);
    EXPECT_EQ(PressureForDisplay(units, 10.0), 10.0);
    EXPECT_EQ(FlowForDisplay(units, 10.0), 10.0);
}

TEST(UnitConversions, ExactFactors) {
    const UnitSettings imperial = allImperial();
    const UnitSettings metric;
    EXPECT_EQ(LengthForDisplay(imperial, 2.0), 2.0 * 39.37);
    EXPECT_EQ(DiameterForDisplay(imperial, 0.8), 0.8 * 0.039370078740157);
    EXPECT_EQ(FlowForDisplay(imperial, 3.0), 3.0 * 0.035314662471284765);
    EXPECT_EQ(PressureForDisplay(imperial, 10.0), 10.0 * 14.5037738);
    EXPECT_EQ(LengthForDisplay(metric, 2.0) + DiameterForDisplay(metric, 0.8) +
                  FlowForDisplay(metric, 3.0) + PressureForDisplay(metric, 10.0),
              2.0 + 0.8 + 3.0 + 10.0);

    EXPECT_EQ(BtuPerHourToWatts(100.0), 100.0 * 0.29307107);
    EXPECT_NEAR(WattsToBtuPerHour(110.0), 375.3355793, 1e-9);
    EXPECT_NEAR(BtuPerHourToWatts(WattsToBtuPerHour(110.0)), 110.0, 2e-7);
    EXPECT_NE(BtuPerHourToWatts(WattsToBtuPerHour(110.0)), 110.0); // not exact inverses

    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(-25), -13);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(55), 131);
    EXPECT_DOUBLE_EQ(CelsiusToFahrenheit(32), 89.6);
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(-13), -25);
    EXPECT_DOUBLE_EQ(FahrenheitToCelsius(89.6), 32);
}

TEST(FractionalInches, WorkedValues) {
    const struct {
        double inches;
        const char* text;
    } cases[] = {
        {39.37, "39 3/8"}, {12.0, "12 1/8"}, {12.9, "13 "}, {1.74, "1 3/4"},    {1.75, "1 7/8"},
        {2.5, "2 5/8"},    {0.3, "3/8"},     {0.95, "1 "},  {0.0, "1/8"},       {0.125, "1/4"},
        {0.5, "5/8"},      {0.874, "7/8"},   {0.875, "1 "}, {100.4, "100 1/2"}, {9.99, "10 "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFractionalInches(c.inches), c.text) << c.inches;
    }
}

TEST(FractionalInches, DefinedForAnyDouble) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFractionalInches(std::nan("")), "nan");
    EXPECT_EQ(FormatFractionalInches(inf), "inf");
    EXPECT_EQ(FormatFractionalInches(-inf), "-inf");
    EXPECT_EQ(FormatFractionalInches(-0.3), "-3/8");
    EXPECT_EQ(FormatFractionalInches(-39.37), "-39 3/8");
    EXPECT_EQ(FormatFractionalInches(-0.0), "1/8");
    // Beyond any integer type: every double above 2^52 is whole.
    EXPECT_EQ(FormatFractionalInches(1e20), "100000000000000000000 1/8");
    const std::string largest = FormatFractionalInches(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309u + 4u);
    EXPECT_EQ(largest.substr(largest.size() - 4), " 1/8");
    // Just below a whole inch the count of eighths can round up to 9: still a
    // whole inch, never "9/8".
    EXPECT_EQ(FormatFractionalInches(std::nextafter(1.0, 0.0)), "1 ");
    EXPECT_EQ(FormatFractionalInches(std::nextafter(2.0, 0.0)), "2 ");
    EXPECT_EQ(FormatFractionalInches(std::numeric_limits<double>::denorm_min()), "1/8");
}

// A text as long as the formatter's first buffer, one shorter and one longer
// comes out whole: the last character is not lost to the terminator.
TEST(TextFormat, EveryLengthComesOutWhole) {
    for (const std::size_t length : {127u, 128u, 129u}) {
        const std::string text(length, 'x');
        EXPECT_EQ(formatText("%s", text.c_str()), text) << length;
    }
}

TEST(DisplayFormats, ResultTexts) {
    const UnitSettings metric;
    const UnitSettings imperial = allImperial();
    EXPECT_EQ(formatFlowNumber(metric, 10.0), "10.0");
    EXPECT_EQ(formatFlowNumber(imperial, 10.0), "0.35");
    EXPECT_EQ(formatPressureDrop(metric), "10");
    EXPECT_EQ(formatPressureDrop(imperial), "145");
    EXPECT_EQ(formatLength(metric, 1.0), "1.00 m");
    EXPECT_EQ(formatLength(imperial, 1.0), "39 3/8 in.");
    EXPECT_EQ(formatLength(metric, 2.345678), "2.35 m");
    EXPECT_EQ(formatLength(imperial, 12.9 / 39.37), "13  in."); // the fraction's blank stays
    EXPECT_EQ(formatDiameter(metric, 0.6604), "0.66 mm");
    EXPECT_EQ(formatDiameter(imperial, 0.6604), "0.026 in.");
    EXPECT_EQ(formatDiameter(imperial, 0.8), "0.031 in.");
    // Huge values grow the text instead of overrunning a buffer.
    EXPECT_EQ(formatLength(metric, 1e300).size(), 301u + 3u + 2u);
}
