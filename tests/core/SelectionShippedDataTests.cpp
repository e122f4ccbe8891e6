// The selection engine on the data file the program ships with.
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "selection/DatabaseUsability.h"
#include "selection/FlowRate.h"
#include "selection/RunSelection.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
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
    if (unscrambleData(bytes.data(), bytes.size(), *text) == 0 || !ParseDatabase(*text, *db)) {
        return nullptr;
    }
    return db;
}

// Calls check(in) for `steps` values across each of the refrigerant's three
// ranges, both ends included, and every given heat load; returns how many
// checks failed.
template <typename Check>
int countFailuresOverEnvelope(const RefrigerantRecord& r, int steps,
                              std::initializer_list<double> heatLoads, Check check) {
    auto at = [steps](double minimum, double maximum, int i) {
        return minimum + (maximum - minimum) * i / (steps - 1);
    };
    int failures = 0;
    SelectionInputs in;
    for (int e = 0; e < steps; ++e) {
        in.evapTemp = at(r.evapMin, r.evapMax, e);
        for (int c = 0; c < steps; ++c) {
            in.condTemp = at(r.condMin, r.condMax, c);
            for (int g = 0; g < steps; ++g) {
                in.returnGasTemp = at(r.returnGasMin, r.returnGasMax, g);
                for (double q : heatLoads) {
                    in.heatLoad = q;
                    failures += check(in) ? 0 : 1;
                }
            }
        }
    }
    return failures;
}

} // namespace

TEST(SelectionShippedData, DefaultsGiveARecommendationWhereverTheyAreInRange) {
    const auto db = loadShippedDatabase();
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(isDatabaseUsable(*db));
    SelectionInputs in;
    in.heatLoad = 110;
    in.evapTemp = -25;
    in.condTemp = 55;
    in.returnGasTemp = in.ambientTemp = 32;
    int inRange = 0;
    for (int list = 0; list < 2; ++list) {
        UnitSettings units;
        units.diameterList = list;
        for (int i = 0; i < db->refrigerantCount; ++i) {
            const RefrigerantRecord& r = db->refrigerants[i];
            const bool expected = r.evapMin <= -25 && -25 <= r.evapMax && r.condMin <= 55 &&
                                  55 <= r.condMax && r.returnGasMin <= 32 && 32 <= r.returnGasMax;
            inRange += expected ? 1 : 0;
            SelectionResult result;
            EXPECT_EQ(RunSelection(in, i, units, *db, result), expected) << r.name;
            EXPECT_EQ(hasRecommendation(result), expected) << r.name;
        }
    }
    EXPECT_GT(inRange, 0);
}

// Over each refrigerant's whole envelope and heat loads of 1 to 10000 W the
// correlation's divisor is positive and the flow finite, positive and rising
// with the load; whole runs succeed on a coarser grid in both lists.
TEST(SelectionShippedData, UsableFlowOverEveryEnvelope) {
    const auto db = loadShippedDatabase();
    ASSERT_NE(db, nullptr);
    ASSERT_GT(db->refrigerantCount, 0);
    for (int i = 0; i < db->refrigerantCount; ++i) {
        const RefrigerantRecord& r = db->refrigerants[i];
        const int noFlow = countFailuresOverEnvelope(
            r, 21, {1, 2, 5, 10, 20, 50, 110, 200, 500, 1000, 2000, 5000, 10000},
            [&r](const SelectionInputs& in) {
                const auto flow = [&](double load) {
                    return nitrogenFlowRate(r, load, in.evapTemp, in.condTemp, in.returnGasTemp);
                };
                return heatLoadDivisor(r, in.evapTemp, in.condTemp, in.returnGasTemp) > 0 &&
                       isUsableFlow(flow(in.heatLoad)) && flow(in.heatLoad) > flow(in.heatLoad / 2);
            });
        EXPECT_EQ(noFlow, 0) << r.name;
        for (int list = 0; list < 2; ++list) {
            UnitSettings units;
            units.diameterList = list;
            const int failedRuns = countFailuresOverEnvelope(
                r, 5, {1, 110, 1000, 10000}, [&](const SelectionInputs& in) {
                    SelectionResult result;
                    return RunSelection(in, i, units, *db, result);
                });
            EXPECT_EQ(failedRuns, 0) << r.name << " list " << list;
        }
    }
}
