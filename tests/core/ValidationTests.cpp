#include "selection/RunSelection.h"
#include "units/Units.h"

#include "SelectionTestDatabase.h"

#include <gtest/gtest.h>

namespace {

// Inside every range of the test refrigerant.
SelectionInputs goodInputs() {
    SelectionInputs in;
    in.heatLoad = 110;
    in.evapTemp = -25;
    in.condTemp = 55;
    in.returnGasTemp = 32;
    in.ambientTemp = 1000; // no range, never checked
    return in;
}

bool valid(const SelectionInputs& in, const UnitSettings& units = UnitSettings()) {
    auto db = makeTestDatabase();
    SelectionResult result;
    return RunSelection(in, 0, units, *db, result);
}

} // namespace

TEST(Validation, HeatLoadBoundsInWatts) {
    for (double q : {1.0, 10000.0, 110.0}) {
        SelectionInputs in = goodInputs();
        in.heatLoad = q;
        EXPECT_TRUE(valid(in)) << q;
    }
    for (double q : {0.99, 10000.01, 0.0, -5.0}) {
        SelectionInputs in = goodInputs();
        in.heatLoad = q;
        auto db = makeTestDatabase();
        SelectionResult result;
        EXPECT_FALSE(RunSelection(in, 0, UnitSettings(), *db, result)) << q;
        EXPECT_FALSE(result.heatLoadValid);
        EXPECT_EQ(result.message, "Heat load invalid");
        EXPECT_EQ(result.rangeText, "1 to 10000W");
    }
}

// The check stays 1..10000 W although the Btu/hr text says 34000.
TEST(Validation, HeatLoadBoundsInBtuPerHour) {
    UnitSettings btu;
    btu.energyUnit = 0;
    const struct {
        double btuPerHour;
        bool valid;
    } cases[] = {{34121, true}, {34122, false}, {3.412, false}, {3.4122, true}, {34000, true}};
    for (const auto& c : cases) {
        SelectionInputs in = goodInputs();
        in.heatLoad = c.btuPerHour;
        auto db = makeTestDatabase();
        SelectionResult result;
        EXPECT_EQ(RunSelection(in, 0, btu, *db, result), c.valid) << c.btuPerHour;
        EXPECT_EQ(result.heatLoadValid, c.valid) << c.btuPerHour;
        if (!c.valid) {
            EXPECT_EQ(result.rangeText, "1 to 34000 btu/hr");
        }
    }
}

TEST(Validation, TemperatureBoundsAreInclusive) {
    const struct {
        double evap, cond, returnGas;
        bool valid;
    } cases[] = {
        {-40, 30, 0, true},       {-10, 70, 45, true},      {-40.001, 55, 32, false},
        {-9.999, 55, 32, false},  {-25, 29.999, 32, false}, {-25, 70.001, 32, false},
        {-25, 55, -0.001, false}, {-25, 55, 45.001, false},
    };
    for (const auto& c : cases) {
        SelectionInputs in = goodInputs();
        in.evapTemp = c.evap;
        in.condTemp = c.cond;
        in.returnGasTemp = c.returnGas;
        EXPECT_EQ(valid(in), c.valid) << c.evap << " " << c.cond << " " << c.returnGas;
    }
}

TEST(Validation, PriorityAndRangeTexts) {
    auto db = makeTestDatabase();
    SelectionResult result;

    SelectionInputs in = goodInputs();
    in.evapTemp = 0;   // evap out
    in.condTemp = 100; // cond out
    EXPECT_FALSE(RunSelection(in, 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.message, "Evap temp invalid");
    EXPECT_EQ(result.rangeText, "-40.0\xBA"
                                "C to -10.0\xBA"
                                "C");
    EXPECT_TRUE(result.heatLoadValid);
    EXPECT_FALSE(result.evapTempValid);
    EXPECT_FALSE(result.condTempValid); // every check is made
    EXPECT_TRUE(result.returnGasValid);

    in = goodInputs();
    in.condTemp = 100;
    in.returnGasTemp = 50;
    EXPECT_FALSE(RunSelection(in, 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.message, "Return gas invalid");
    EXPECT_EQ(result.rangeText, "0.0\xBA"
                                "C to 45.0\xBA"
                                "C");

    in = goodInputs();
    in.condTemp = 100;
    EXPECT_FALSE(RunSelection(in, 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.message, "Cond temp invalid");
    EXPECT_EQ(result.rangeText, "30.0\xBA"
                                "C to 70.0\xBA"
                                "C");
    EXPECT_FALSE(result.condTempValid);
    EXPECT_TRUE(result.evapTempValid && result.returnGasValid && result.heatLoadValid);

    in.heatLoad = 0;
    in.evapTemp = 0;
    in.returnGasTemp = 50;
    EXPECT_FALSE(RunSelection(in, 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.message, "Heat load invalid");
    EXPECT_FALSE(result.heatLoadValid || result.evapTempValid || result.condTempValid ||
                 result.returnGasValid);

    EXPECT_TRUE(RunSelection(goodInputs(), 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(result.rangeText, "");
}

TEST(Validation, FahrenheitConvertsInputsAndRangeText) {
    auto db = makeTestDatabase();
    UnitSettings fahrenheit;
    fahrenheit.temperatureUnit = 1;
    SelectionResult result;

    SelectionInputs in = goodInputs();
    in.evapTemp = CelsiusToFahrenheit(-25);
    in.condTemp = CelsiusToFahrenheit(55);
    in.returnGasTemp = CelsiusToFahrenheit(32);
    EXPECT_TRUE(RunSelection(in, 0, fahrenheit, *db, result));

    in.evapTemp = 15; // -9.4 ºC, above -10 ºC
    EXPECT_FALSE(RunSelection(in, 0, fahrenheit, *db, result));
    EXPECT_EQ(result.message, "Evap temp invalid");
    EXPECT_EQ(result.rangeText, "-40.0\xBA"
                                "F to 14.0\xBA"
                                "F");
    in.evapTemp = 14; // exactly -10 ºC
    EXPECT_TRUE(RunSelection(in, 0, fahrenheit, *db, result));

    // The same entries read as ºC are out of range.
    EXPECT_FALSE(RunSelection(in, 0, UnitSettings(), *db, result));
    // A stored 2 shows the ºF label but converts nothing.
    UnitSettings two;
    two.temperatureUnit = 2;
    EXPECT_TRUE(RunSelection(goodInputs(), 0, two, *db, result));
}

TEST(Validation, RangesFollowTheSelectedRefrigerant) {
    auto db = makeTestDatabase();
    db->refrigerantCount = 2;
    db->refrigerants[1] = db->refrigerants[0];
    db->refrigerants[1].evapMin = -20;
    db->refrigerants[1].evapMax = 5;
    SelectionResult result;
    EXPECT_TRUE(RunSelection(goodInputs(), 0, UnitSettings(), *db, result));
    EXPECT_FALSE(RunSelection(goodInputs(), 1, UnitSettings(), *db, result));
    EXPECT_EQ(result.rangeText, "-20.0\xBA"
                                "C to 5.0\xBA"
                                "C");
}
