// Range checks and their messages. "\272" is byte 0xBA (º) in octal.
#include "selection/RunSelection.h"
#include "units/Units.h"

#include "SelectionTestDatabase.h"

#include <gtest/gtest.h>

namespace {

// Inside every range of the test refrigerant; the ambient value is never
// checked.
SelectionInputs inputs(double heatLoad = 110, double evap = -25, double cond = 55,
                       double returnGas = 32) {
    SelectionInputs in;
    in.heatLoad = heatLoad;
    in.evapTemp = evap;
    in.condTemp = cond;
    in.returnGasTemp = returnGas;
    in.ambientTemp = 1000;
    return in;
}

struct Outcome {
    bool ok;
    SelectionResult result;
};

Outcome run(const SelectionInputs& in, const UnitSettings& units = UnitSettings()) {
    auto db = makeTestDatabase();
    Outcome outcome;
    outcome.ok = RunSelection(in, 0, units, *db, outcome.result);
    return outcome;
}

} // namespace

TEST(Validation, HeatLoadBounds) {
    for (double q : {1.0, 10000.0}) {
        EXPECT_TRUE(run(inputs(q)).ok) << q;
    }
    for (double q : {0.99, 10000.01, 0.0, -5.0}) {
        const Outcome o = run(inputs(q));
        EXPECT_FALSE(o.ok || o.result.heatLoadValid) << q;
        EXPECT_EQ(o.result.message, "Heat load invalid");
        EXPECT_EQ(o.result.rangeText, "1 to 10000W");
    }
    // In Btu/hr the check stays 1..10000 W although the text says 34000.
    UnitSettings btu;
    btu.energyUnit = 0;
    EXPECT_TRUE(run(inputs(34121), btu).ok);
    EXPECT_TRUE(run(inputs(3.4122), btu).ok);
    for (double q : {34122.0, 3.412}) {
        const Outcome o = run(inputs(q), btu);
        EXPECT_FALSE(o.ok || o.result.heatLoadValid) << q;
        EXPECT_EQ(o.result.rangeText, "1 to 34000 btu/hr");
    }
}

TEST(Validation, TemperatureBoundsAreInclusive) {
    EXPECT_TRUE(run(inputs(110, -40, 30, 0)).ok);
    EXPECT_TRUE(run(inputs(110, -10, 70, 45)).ok);
    EXPECT_EQ(run(inputs(110, -40.001)).result.message, "Evap temp invalid");
    EXPECT_EQ(run(inputs(110, -9.999)).result.message, "Evap temp invalid");
    EXPECT_EQ(run(inputs(110, -25, 29.999)).result.message, "Cond temp invalid");
    EXPECT_EQ(run(inputs(110, -25, 70.001)).result.message, "Cond temp invalid");
    EXPECT_EQ(run(inputs(110, -25, 55, -0.001)).result.message, "Return gas invalid");
    EXPECT_EQ(run(inputs(110, -25, 55, 45.001)).result.message, "Return gas invalid");
}

TEST(Validation, PriorityAndRangeTexts) {
    Outcome o = run(inputs(110, 0, 100)); // evaporating and condensing out
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.result.message, "Evap temp invalid");
    EXPECT_EQ(o.result.rangeText, "-40.0\272C to -10.0\272C");
    EXPECT_TRUE(o.result.heatLoadValid && o.result.returnGasValid);
    EXPECT_FALSE(o.result.evapTempValid || o.result.condTempValid); // every check is made

    o = run(inputs(110, -25, 100, 50)); // condensing and return gas out
    EXPECT_EQ(o.result.message, "Return gas invalid");
    EXPECT_EQ(o.result.rangeText, "0.0\272C to 45.0\272C");

    o = run(inputs(110, -25, 100));
    EXPECT_EQ(o.result.message, "Cond temp invalid");
    EXPECT_EQ(o.result.rangeText, "30.0\272C to 70.0\272C");
    EXPECT_TRUE(o.result.evapTempValid && o.result.returnGasValid && o.result.heatLoadValid);

    o = run(inputs(0, 0, 100, 50)); // all four out
    EXPECT_EQ(o.result.message, "Heat load invalid");
    EXPECT_FALSE(o.result.heatLoadValid || o.result.evapTempValid || o.result.condTempValid ||
                 o.result.returnGasValid);

    o = run(inputs());
    EXPECT_TRUE(o.ok && o.result.message.empty() && o.result.rangeText.empty());
}

TEST(Validation, FahrenheitConvertsInputsAndRangeText) {
    UnitSettings fahrenheit;
    fahrenheit.temperatureUnit = 1;
    EXPECT_TRUE(run(inputs(110, -13, 131, 89.6), fahrenheit).ok);
    const Outcome o = run(inputs(110, 15, 131, 89.6), fahrenheit); // -9.4 ºC
    EXPECT_EQ(o.result.message, "Evap temp invalid");
    EXPECT_EQ(o.result.rangeText, "-40.0\272F to 14.0\272F");
    EXPECT_TRUE(run(inputs(110, 14, 131, 89.6), fahrenheit).ok); // exactly -10 ºC
    EXPECT_FALSE(run(inputs(110, 14, 131, 89.6)).ok);            // the same read as ºC
    // A stored 2 shows the ºF label but converts nothing, neither the entries
    // nor the range; energy 2 is W.
    UnitSettings two;
    two.temperatureUnit = 2;
    two.energyUnit = 2;
    EXPECT_TRUE(run(inputs(3), two).ok);
    EXPECT_EQ(run(inputs(110, 0), two).result.rangeText, "-40.0\272F to -10.0\272F");
}

TEST(Validation, RangesFollowTheSelectedRefrigerant) {
    auto db = makeTestDatabase();
    db->refrigerantCount = 2;
    db->refrigerants[1] = db->refrigerants[0];
    db->refrigerants[1].evapMin = -20;
    db->refrigerants[1].evapMax = 5;
    SelectionResult result;
    EXPECT_TRUE(RunSelection(inputs(), 0, UnitSettings(), *db, result));
    EXPECT_FALSE(RunSelection(inputs(), 1, UnitSettings(), *db, result));
    EXPECT_EQ(result.rangeText, "-20.0\272C to 5.0\272C");
}
