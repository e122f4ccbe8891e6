// The generated refrigerant data: catalogue invariants, one refrigerant's
// fit, and the shipped text read back through the program's own loader.
#include "database/DataFileReader.h"
#include "database/DatabaseParser.h"
#include "tools/refgen/DataGeneration.h"
#include "tools/refgen/ShippedSettings.h"
#include "tools/tbx/Scrambler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

std::unique_ptr<RefrigerantDatabase> loadShippedText() {
    std::ifstream in(REFGEN_PROJECT "/data/Olvane.txt", std::ios::binary);
    const std::vector<unsigned char> text((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    std::vector<unsigned char> packed;
    PackProblem problem;
    if (text.empty() || !packText(text.data(), text.size(), packed, problem)) {
        return nullptr;
    }
    auto chars = std::make_unique<DataFileText>();
    auto db = std::make_unique<RefrigerantDatabase>();
    if (unscrambleData(packed.data(), packed.size(), *chars) == 0 || !ParseDatabase(*chars, *db)) {
        return nullptr;
    }
    return db;
}

} // namespace

TEST(Catalog, EnvelopesStayInsideTheTablesAndClearOfTheCriticalPoint) {
    const std::vector<CatalogEntry>& catalog = refrigerantCatalog();
    ASSERT_GE(catalog.size(), 17u);
    ASSERT_LE(catalog.size(), 50u);
    std::vector<std::shared_ptr<Fluid>> fluids;
    std::string error;
    ASSERT_TRUE(loadCatalogFluids(REFGEN_TABLES, fluids, error)) << error;
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        const CatalogEntry& e = catalog[i];
        const Fluid& f = *fluids[i];
        EXPECT_LE(e.name.size(), 20u);
        EXPECT_LT(e.evapMin, e.evapMax) << e.name;
        EXPECT_LT(e.condMin, e.condMax) << e.name;
        EXPECT_GE(e.returnGasMin, e.evapMax) << e.name; // no wet return gas anywhere in the box
        EXPECT_LE(e.condMax, f.info.criticalTemperature - 15.0) << e.name;
        EXPECT_LE(e.evapMax, f.vapourTableMaxDew()) << e.name;
        EXPECT_LE(e.returnGasMax, f.vapourTableMaxTemperature()) << e.name;
        // The blends' bubble point at the coldest evaporation stays inside the tables.
        EXPECT_GE(f.saturation.bubbleTemperatureAtPressure(f.saturation.dewPressure(e.evapMin)),
                  f.saturation.minTemperature() + 1.0)
            << e.name;
        EXPECT_TRUE(f.saturation.hasViscosity()) << e.name;
    }
    for (const char* name : {"R600a", "R134a"}) {
        bool found = false;
        for (const CatalogEntry& e : catalog) {
            if (e.name == name) {
                found = true;
                EXPECT_TRUE(e.evapMin <= -25 && -25 <= e.evapMax && e.condMin <= 55 &&
                            55 <= e.condMax && e.returnGasMin <= 32 && 32 <= e.returnGasMax)
                    << name;
            }
        }
        EXPECT_TRUE(found) << name;
    }
}

TEST(Catalog, GridStepsAndLoadsCoverTheEnds) {
    const std::vector<double> te = gridSteps(-35, 10, 5);
    ASSERT_EQ(te.size(), 10u);
    EXPECT_DOUBLE_EQ(te.front(), -35);
    EXPECT_DOUBLE_EQ(te.back(), 10);
    EXPECT_EQ(gridSteps(-10, 12, 15).size(), 2u); // the nearest whole number of steps
    EXPECT_EQ(gridSteps(-5, 45, 15).size(), 4u);
    const std::vector<double> q = fitHeatLoads(20, 500);
    ASSERT_EQ(q.size(), 7u);
    EXPECT_NEAR(q.front(), 20, 1e-12);
    EXPECT_NEAR(q.back(), 500, 1e-9);
    EXPECT_NEAR(q[2] / q[1], q[1] / q[0], 1e-12); // logarithmic spacing
}

// One refrigerant from tables to record: the fit meets its goals, and the
// shipped text, read by the program's loader, holds exactly these numbers.
TEST(GeneratedData, R134aMeetsTheFitGoalsAndIsWhatTheShippedFileHolds) {
    std::vector<std::shared_ptr<Fluid>> fluids;
    std::string error;
    ASSERT_TRUE(loadCatalogFluids(REFGEN_TABLES, fluids, error)) << error;
    std::size_t index = 0;
    while (refrigerantCatalog()[index].name != "R134a") {
        ++index;
    }
    RefrigerantData data;
    generateRefrigerant(refrigerantCatalog()[index], fluids[index], shippedAssumptions(), data);
    ASSERT_TRUE(data.ok) << data.error;
    EXPECT_LT(data.fit.refined.rmsRelative, 0.03);
    EXPECT_LT(data.fit.refined.maxRelative, 0.08);
    EXPECT_LE(data.fit.refined.maxRelative, data.fit.physicalDivisor.maxRelative);

    const auto db = loadShippedText();
    ASSERT_NE(db, nullptr);
    ASSERT_EQ(db->refrigerantCount, static_cast<int>(refrigerantCatalog().size()));
    const RefrigerantRecord& r = db->refrigerants[index];
    EXPECT_STREQ(r.name, "R134a");
    EXPECT_EQ(r.evapMin, data.entry.evapMin);
    EXPECT_EQ(r.returnGasMax, data.entry.returnGasMax);
    for (int k = 0; k < 10; ++k) {
        EXPECT_NEAR(r.flowCoefficients[k], data.coefficients.b[k],
                    1e-9 * std::fabs(data.coefficients.b[k]))
            << "B" << k;
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(r.divisorCoefficients[k], data.coefficients.a[k],
                    1e-9 * std::fabs(data.coefficients.a[k]))
            << "A" << k;
    }
    EXPECT_NEAR(db->targetLength, shippedAssumptions().targetLength, 1e-12);
    EXPECT_EQ(db->europeDiameters.count, static_cast<int>(shippedHeader().europeDiameters.size()));
    EXPECT_NEAR(db->northAmericaDiameters.values[0], 0.026 * 25.4, 1e-12);
    EXPECT_EQ(db->helpLineCount, static_cast<int>(shippedHeader().helpLines.size()));
}
