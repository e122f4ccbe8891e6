#include "selection/DatabaseUsability.h"
#include "selection/FlowRate.h"
#include "selection/RunSelection.h"
#include "selection/TubeSearch.h"
#include "units/Units.h"

#include "SelectionTestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

SelectionInputs defaultInputs() {
    SelectionInputs in;
    in.heatLoad = 110;
    in.evapTemp = -25;
    in.condTemp = 55;
    in.returnGasTemp = 32;
    in.ambientTemp = 32;
    return in;
}

int search(std::vector<double> lengths, double target) {
    return findOptimalTube(lengths.data(), static_cast<int>(lengths.size()), target);
}

} // namespace

TEST(FlowRate, WorkedExamples) {
    RefrigerantRecord r;
    setWorkedFlowCoefficients(r);
    EXPECT_DOUBLE_EQ(heatLoadDivisor(r, -25, 55, 32), 250);
    EXPECT_NEAR(nitrogenFlowRate(r, 110, -25, 55, 32), 2.394, 1e-12);

    r.divisorCoefficients[1] = 2;
    r.divisorCoefficients[2] = 0.01;
    r.divisorCoefficients[3] = 0.005;
    EXPECT_NEAR(heatLoadDivisor(r, -25, 55, 40), 266.2, 1e-12);
    EXPECT_NEAR(nitrogenFlowRate(r, 110, -25, 55, 40), 2.391322, 1e-6);
    // At 32 ºC return gas the divisor is A0 whatever Te and Tc.
    EXPECT_EQ(heatLoadDivisor(r, -5, 20, 32), 250);
    // The load is multiplied in before the division by H; 0.1 * (110 / 250)
    // would round differently.
    RefrigerantRecord order;
    order.flowCoefficients[5] = 0.1;
    order.divisorCoefficients[0] = 250;
    EXPECT_EQ(nitrogenFlowRate(order, 110, 0, 0, 32), 0.1 * 110 / 250);

    // Every flow coefficient takes part.
    RefrigerantRecord all;
    const double b[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (int i = 0; i < 10; ++i) {
        all.flowCoefficients[i] = b[i];
    }
    all.divisorCoefficients[0] = 4;
    const double te = -2, tc = 3, q = 8;
    const double expected = (1 + 2 * te + 3 * tc + 4 * te * tc + 5 * te * te) +
                            (6 + 7 * te + 8 * tc + 9 * te * tc + 10 * te * te) * q / 4;
    EXPECT_DOUBLE_EQ(nitrogenFlowRate(all, q, te, tc, 32), expected);

    EXPECT_TRUE(isUsableFlow(2.394));
    EXPECT_FALSE(isUsableFlow(0));
    EXPECT_FALSE(isUsableFlow(-1));
    EXPECT_FALSE(isUsableFlow(std::nan("")));
    EXPECT_FALSE(isUsableFlow(std::numeric_limits<double>::infinity()));
}

TEST(TubeSearch, WidensUntilALengthEntersLowestIndexWins) {
    EXPECT_EQ(search({1.50, 1.965, 2.035, 3.00}, 2), 1);
    EXPECT_EQ(search({1.50, 1.955, 2.035, 3.00}, 2), 2);
    // A length equal to the target enters at the second pass...
    EXPECT_EQ(search({5.0, 2.0}, 2), 1);
    // ...unless a lower index is inside that window too.
    EXPECT_EQ(search({2.005, 2.0}, 2), 0);
    // A length on the window's edge is outside: 1 - 0.01 is the second
    // pass's lower bound, so 0.985 wins in the third pass.
    EXPECT_EQ(search({0.985, 1.0 - 0.01}, 1.0), 0);
    // A target below 0.01 m: the lower bound passes 0 after the first pass.
    EXPECT_EQ(search({1.0, 0.005}, 0.005), 0);
    EXPECT_EQ(search({1.0, 0.5}, -1), 0);
    // The search gives up near twice the target.
    EXPECT_EQ(search({4.5, 3.9}, 2), 1);
    EXPECT_EQ(search({4.1, 4.2, 10, 20}, 2), 0);
    EXPECT_EQ(search({-1.0, 0.0, 5.0}, 2), 0);
    // Unusable lengths never enter; unusable targets give the first tube.
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(search({nan, inf, 2.3, nan}, 2.5), 2);
    EXPECT_EQ(search({1.0, 2.5}, nan), 0);
    EXPECT_EQ(search({1.0, 2.5}, inf), 0);
    // Far beyond any tube: 0.01 no longer moves the bounds, and the pass
    // limit ends the search.
    EXPECT_EQ(search({1.0, 2.5}, 1e15), 0);
    EXPECT_EQ(search({}, 2.5), 0);
}

TEST(TubeSearch, NineRowWindow) {
    const struct {
        int k, firstRow;
    } twenty[] = {{2, 0}, {10, 6}, {15, 11}, {17, 11}, {19, 11}, {0, 0}, {4, 0}, {5, 1}};
    for (const auto& c : twenty) {
        EXPECT_EQ(firstShownRow(c.k, 20), c.firstRow) << c.k;
    }
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(firstShownRow(k, 9), 0) << k;
    }
    // Every list of 9 to 50 keeps the nine rows inside the list.
    for (int n = 9; n <= MAX_DIAMETERS; ++n) {
        for (int k = 0; k < n; ++k) {
            const int first = firstShownRow(k, n);
            ASSERT_GE(first, 0);
            ASSERT_LE(first + RESULT_ROWS, n);
            ASSERT_GE(k - first, 0);
            ASSERT_LT(k - first, RESULT_ROWS);
        }
    }
}

TEST(RunSelection, WorkedTableExample) {
    auto db = makeTestDatabase();
    SelectionResult result;
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    EXPECT_TRUE(hasRecommendation(result));
    EXPECT_EQ(result.flowRate, 5);
    EXPECT_NEAR(result.lengths[0], 0.9375, 1e-12);
    EXPECT_NEAR(result.lengths[1], 1.50985, 1e-5);
    EXPECT_NEAR(result.lengths[2], 2.3328, 1e-12);
    EXPECT_NEAR(result.lengths[3], 3.48087, 1e-5);
    EXPECT_NEAR(result.lengths[4], 5.0421, 1e-12);
    EXPECT_EQ(result.lengths[12], 0);
    EXPECT_EQ(result.optimalIndex, 2);
    EXPECT_EQ(result.firstRow, 0);
    EXPECT_EQ(result.selectedRow, 2);
    const char* lengths[RESULT_ROWS] = {"0.94 m", "1.51 m", "2.33 m",  "3.48 m", "5.04 m",
                                        "7.12 m", "9.83 m", "13.31 m", "17.71 m"};
    const char* diameters[RESULT_ROWS] = {"0.50 mm", "0.55 mm", "0.60 mm", "0.65 mm", "0.70 mm",
                                          "0.75 mm", "0.80 mm", "0.85 mm", "0.90 mm"};
    for (int row = 0; row < RESULT_ROWS; ++row) {
        EXPECT_EQ(result.rowTexts[row].length, lengths[row]) << row;
        EXPECT_EQ(result.rowTexts[row].diameter, diameters[row]) << row;
    }

    UnitSettings inches;
    inches.diameterUnit = 1;
    inches.lengthUnit = 1;
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, inches, *db, result));
    EXPECT_EQ(result.rowTexts[0].diameter, "0.020 in.");
    EXPECT_EQ(result.rowTexts[8].diameter, "0.035 in.");
    EXPECT_EQ(result.rowTexts[0].length, FormatFractionalInches(0.9375 * 39.37) + " in.");
    EXPECT_EQ(result.rowTexts[0].length, "37  in.");    // 36.91 in.: eight eighths
    EXPECT_EQ(result.rowTexts[2].length, "91 7/8 in."); // 91.84 in.
}

TEST(RunSelection, ActiveListAndTarget) {
    auto db = makeTestDatabase();
    for (int i = 0; i < 12; ++i) {
        db->northAmericaDiameters.values[i] = 0.30 + 0.05 * i; // 0.60 mm at index 6
    }
    UnitSettings northAmerica;
    northAmerica.diameterList = 7; // any value other than 0
    SelectionResult result;
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, northAmerica, *db, result));
    EXPECT_EQ(result.optimalIndex, 6);
    EXPECT_EQ(result.firstRow, 2);
    EXPECT_EQ(result.selectedRow, 4);
    EXPECT_EQ(result.rowTexts[0].diameter, "0.40 mm");
    EXPECT_EQ(result.rowTexts[4].diameter, "0.60 mm");

    db->targetLength = 0.2; // nothing near: the first tube in the first row
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.optimalIndex + result.firstRow + result.selectedRow, 0);
}

TEST(RunSelection, ImperialInputsGiveTheSameFlow) {
    auto db = makeTestDatabase();
    setWorkedFlowCoefficients(db->refrigerants[0]);
    db->refrigerants[0].divisorCoefficients[1] = 2;
    db->refrigerants[0].divisorCoefficients[2] = 0.01;
    db->refrigerants[0].divisorCoefficients[3] = 0.005;
    SelectionInputs in = defaultInputs();
    in.returnGasTemp = 40;
    SelectionResult metric;
    ASSERT_TRUE(RunSelection(in, 0, UnitSettings(), *db, metric));
    EXPECT_NEAR(metric.flowRate, 2.391322, 1e-6);

    UnitSettings imperial;
    imperial.energyUnit = 0;
    imperial.temperatureUnit = 1;
    SelectionInputs converted;
    converted.heatLoad = WattsToBtuPerHour(in.heatLoad);
    converted.evapTemp = CelsiusToFahrenheit(in.evapTemp);
    converted.condTemp = CelsiusToFahrenheit(in.condTemp);
    converted.returnGasTemp = CelsiusToFahrenheit(in.returnGasTemp);
    SelectionResult result;
    ASSERT_TRUE(RunSelection(converted, 0, imperial, *db, result));
    EXPECT_NEAR(result.flowRate, metric.flowRate, 1e-9);
    EXPECT_EQ(result.optimalIndex, metric.optimalIndex);
}

TEST(RunSelection, FailedRunKeepsTheLastResults) {
    auto db = makeTestDatabase();
    SelectionResult result;
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    const SelectionResult good = result;

    SelectionInputs bad = defaultInputs();
    bad.heatLoad = 0;
    bad.evapTemp = 20;
    UnitSettings inches; // other units must not reformat the kept rows
    inches.lengthUnit = inches.diameterUnit = 1;
    EXPECT_FALSE(RunSelection(bad, 0, inches, *db, result));
    EXPECT_FALSE(hasRecommendation(result));
    EXPECT_EQ(result.message, "Heat load invalid");
    EXPECT_EQ(result.flowRate, good.flowRate);
    EXPECT_EQ(result.optimalIndex, good.optimalIndex);
    EXPECT_EQ(result.firstRow, good.firstRow);
    EXPECT_EQ(result.selectedRow, good.selectedRow);
    EXPECT_TRUE(std::equal(result.lengths, result.lengths + MAX_DIAMETERS, good.lengths));
    for (int row = 0; row < RESULT_ROWS; ++row) {
        EXPECT_EQ(result.rowTexts[row].length, good.rowTexts[row].length);
        EXPECT_EQ(result.rowTexts[row].diameter, good.rowTexts[row].diameter);
    }
    EXPECT_TRUE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    EXPECT_TRUE(result.message.empty() && result.rangeText.empty());
}

TEST(RunSelection, NoUsableFlowIsAFailedRun) {
    auto db = makeTestDatabase();
    SelectionResult result;
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    const double goodFlow = result.flowRate;
    const std::string goodRow = result.rowTexts[2].length;

    RefrigerantRecord& r = db->refrigerants[0];
    const struct {
        double b0, b5, a0;
    } cases[] = {
        {0, 0, 1},   // F = 0
        {-1, 0, 1},  // F < 0
        {0, 0.1, 0}, // H = 0: F infinite
        {0, 0, 0},   // 0 / 0: F not a number
        {1, -1, 10}, // 1 - 110/10 < 0
    };
    for (const auto& c : cases) {
        r.flowCoefficients[0] = c.b0;
        r.flowCoefficients[5] = c.b5;
        r.divisorCoefficients[0] = c.a0;
        EXPECT_FALSE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result)) << c.b0;
        EXPECT_TRUE(result.heatLoadValid && result.evapTempValid && result.condTempValid &&
                    result.returnGasValid);
        EXPECT_FALSE(result.flowValid);
        EXPECT_FALSE(hasRecommendation(result));
        EXPECT_EQ(result.message, "No flow for these inputs");
        EXPECT_EQ(result.rangeText, "check refrigerant data");
        EXPECT_EQ(result.flowRate, goodFlow);
        EXPECT_EQ(result.rowTexts[2].length, goodRow);
    }
}

TEST(RunSelection, StaysInsideTheTablesWhateverTheDatabase) {
    auto db = makeTestDatabase();
    SelectionResult result;
    for (int index : {-1, 1, 49, 50, 1000, std::numeric_limits<int>::min()}) {
        EXPECT_FALSE(RunSelection(defaultInputs(), index, UnitSettings(), *db, result)) << index;
        EXPECT_EQ(result.message, "No refrigerant data");
        EXPECT_EQ(result.rangeText, "check Olvane.tbx");
        EXPECT_TRUE(result.heatLoadValid);
        EXPECT_FALSE(hasRecommendation(result));
    }
    // A corrupt count above the capacity is held to the table's size.
    db->refrigerantCount = 60;
    EXPECT_FALSE(RunSelection(defaultInputs(), 55, UnitSettings(), *db, result));
    db->refrigerantCount = 0;
    EXPECT_FALSE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    db->refrigerantCount = 1;

    for (int count : {8, 0, -3}) {
        db->europeDiameters.count = count;
        EXPECT_FALSE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result)) << count;
        EXPECT_EQ(result.message, "Too few tube diameters");
        EXPECT_FALSE(hasRecommendation(result));
    }
    // Input ranges are reported first.
    SelectionInputs cold = defaultInputs();
    cold.evapTemp = -50;
    EXPECT_FALSE(RunSelection(cold, 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.message, "Evap temp invalid");

    // A count above the capacity uses the 50 stored diameters only; the
    // nine rows end at the last of them.
    db->europeDiameters.count = 80;
    for (int i = 0; i < MAX_DIAMETERS; ++i) {
        db->europeDiameters.values[i] = 0.5 + 0.01 * i;
    }
    db->targetLength = 1000; // beyond every tube: the longest, last one wins
    ASSERT_TRUE(RunSelection(defaultInputs(), 0, UnitSettings(), *db, result));
    EXPECT_EQ(result.optimalIndex, 49);
    EXPECT_EQ(result.firstRow, 41);
    EXPECT_EQ(result.selectedRow, 8);
    EXPECT_EQ(result.rowTexts[8].diameter, "0.99 mm");
}

TEST(DatabaseUsability, NeedsARefrigerantAndNineDiametersInEachList) {
    const struct {
        int refrigerants, europe, northAmerica;
        bool usable;
    } cases[] = {{1, 12, 12, true}, {1, 9, 9, true},   {50, 50, 50, true},
                 {1, 9, 8, false},  {1, 8, 9, false},  {1, 51, 9, false},
                 {0, 9, 9, false},  {51, 9, 9, false}, {1, -1, 9, false}};
    auto db = makeTestDatabase();
    for (const auto& c : cases) {
        db->refrigerantCount = c.refrigerants;
        db->europeDiameters.count = c.europe;
        db->northAmericaDiameters.count = c.northAmerica;
        EXPECT_EQ(isDatabaseUsable(*db), c.usable)
            << c.refrigerants << " " << c.europe << " " << c.northAmerica;
    }
    EXPECT_FALSE(isDatabaseUsable(RefrigerantDatabase()));
}
