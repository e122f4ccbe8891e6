// The selection engine on the data file the program ships with.
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "selection/DatabaseUsability.h"
#include "selection/FlowRate.h"
#include "selection/RunSelection.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<RefrigerantDatabase> loadShippedDatabase() {
    std::ifstream file(OLVANE_DATA_TBX, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    auto text = std::make_unique<DataFileText>();
    auto db = std::make_unique<RefrigerantDatabase>();
    if (UnscrambleData(bytes.data(), bytes.size(), *text) == 0 || !ParseDatabase(*text, *db)) {
        return nullptr;
    }
    return db;
}

bool within(double value, double minimum, double maximum) {
    return value >= minimum && value <= maximum;
}

// n values from minimum to maximum, both included.
std::vector<double> steps(double minimum, double maximum, int n) {
    std::vector<double> values;
    for (int i = 0; i < n; ++i) {
        values.push_back(minimum + (maximum - minimum) * i / (n - 1));
    }
    return values;
}

const double HEAT_LOADS[] = {1, 2, 5, 10, 20, 50, 110, 200, 500, 1000, 2000, 5000, 10000};

} // namespace

TEST(SelectionShippedData, DefaultsGiveARecommendationWhereverTheyAreInRange) {
    const auto db = loadShippedDatabase();
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(IsDatabaseUsable(*db));
    SelectionInputs in;
    in.heatLoad = 110;
    in.evapTemp = -25;
    in.condTemp = 55;
    in.returnGasTemp = 32;
    in.ambientTemp = 32;
    int inRange = 0;
    for (int list = 0; list < 2; ++list) {
        UnitSettings units;
        units.diameterList = list;
        for (int i = 0; i < db->refrigerantCount; ++i) {
            const RefrigerantRecord& r = db->refrigerants[i];
            const bool expected = within(in.evapTemp, r.evapMin, r.evapMax) &&
                                  within(in.condTemp, r.condMin, r.condMax) &&
                                  within(in.returnGasTemp, r.returnGasMin, r.returnGasMax);
            inRange += expected ? 1 : 0;
            SelectionResult result;
            EXPECT_EQ(RunSelection(in, i, units, *db, result), expected) << r.name;
            EXPECT_EQ(HasRecommendation(result), expected) << r.name;
            if (expected) {
                EXPECT_GT(result.flowRate, 0) << r.name;
                EXPECT_EQ(result.firstRow + result.selectedRow, result.optimalIndex);
                EXPECT_FALSE(result.rowTexts[RESULT_ROWS - 1].length.empty()) << r.name;
            }
        }
    }
    EXPECT_GT(inRange, 0);
}

// Over each refrigerant's whole envelope and the whole heat-load range the
// correlation gives a finite, positive flow.
TEST(SelectionShippedData, FlowIsPositiveAndFiniteOverEveryEnvelope) {
    const auto db = loadShippedDatabase();
    ASSERT_NE(db, nullptr);
    ASSERT_GT(db->refrigerantCount, 0);
    for (int i = 0; i < db->refrigerantCount; ++i) {
        const RefrigerantRecord& r = db->refrigerants[i];
        int bad = 0;
        for (double te : steps(r.evapMin, r.evapMax, 21)) {
            for (double tc : steps(r.condMin, r.condMax, 21)) {
                for (double trg : steps(r.returnGasMin, r.returnGasMax, 21)) {
                    for (double q : HEAT_LOADS) {
                        const double flow = FlowRate(r, q, te, tc, trg);
                        if (!IsUsableFlow(flow) && bad++ < 3) {
                            ADD_FAILURE() << r.name << ": flow " << flow << " at Q " << q
                                          << " W, Te " << te << ", Tc " << tc << ", Trg " << trg;
                        }
                    }
                }
            }
        }
        EXPECT_EQ(bad, 0) << r.name;
    }
}

// Whole runs on a coarser grid, in both lists: every one succeeds.
TEST(SelectionShippedData, WholeRunsSucceedOverEveryEnvelope) {
    const auto db = loadShippedDatabase();
    ASSERT_NE(db, nullptr);
    for (int list = 0; list < 2; ++list) {
        UnitSettings units;
        units.diameterList = list;
        for (int i = 0; i < db->refrigerantCount; ++i) {
            const RefrigerantRecord& r = db->refrigerants[i];
            int failed = 0;
            for (double te : steps(r.evapMin, r.evapMax, 5)) {
                for (double tc : steps(r.condMin, r.condMax, 5)) {
                    for (double trg : steps(r.returnGasMin, r.returnGasMax, 5)) {
                        for (double q : {1.0, 110.0, 1000.0, 10000.0}) {
                            SelectionInputs in;
                            in.heatLoad = q;
                            in.evapTemp = te;
                            in.condTemp = tc;
                            in.returnGasTemp = trg;
                            SelectionResult result;
                            if (!RunSelection(in, i, units, *db, result)) {
                                ++failed;
                            }
                        }
                    }
                }
            }
            EXPECT_EQ(failed, 0) << r.name << " list " << list;
        }
    }
}
