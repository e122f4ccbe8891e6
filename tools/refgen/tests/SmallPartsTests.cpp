// CSV reading, friction factors, chart ticks.
#include "tools/refgen/Csv.h"
#include "tools/refgen/Friction.h"
#include "tools/refgen/SvgPlot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

TEST(Csv, QuotedCellsEmptyCellsAndMissingColumns) {
    const std::string path = ::testing::TempDir() + "refgen_csv_test.csv";
    {
        std::ofstream out(path, std::ios::binary);
        out << "name,model,value\r\n\"a, b\",pure,1.5\r\nc,,\r\nd,x,1e-3\r\n";
    }
    CsvTable t;
    std::string error;
    ASSERT_TRUE(readCsv(path, t, error)) << error;
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.text(0, t.column("name")), "a, b");
    EXPECT_EQ(t.column("absent"), -1);
    EXPECT_DOUBLE_EQ(t.number(0, 2), 1.5);
    EXPECT_TRUE(std::isnan(t.number(1, 2)));
    EXPECT_TRUE(std::isnan(t.number(0, 1))); // text is not a number
    std::vector<double> v;
    ASSERT_TRUE(numericColumn(t, "value", v, error)) << error;
    EXPECT_TRUE(std::isnan(v[1]));
    EXPECT_DOUBLE_EQ(v[2], 1e-3);
    EXPECT_FALSE(numericColumn(t, "model", v, error)); // "pure" is no number
    EXPECT_FALSE(numericColumn(t, "absent", v, error));
    EXPECT_FALSE(readCsv(path + ".missing", t, error));
    std::remove(path.c_str());
}

TEST(Friction, ChurchillCoversLaminarSmoothAndRoughFlow) {
    EXPECT_NEAR(churchillFriction(500, 0) / (64.0 / 500), 1.0, 0.01);
    EXPECT_NEAR(churchillFriction(2e4, 0) / blasiusFriction(2e4), 1.0, 0.04);
    // Fully rough: von Karman, 1/sqrt(f) = -2 log10(e/3.7 d).
    const double rough = std::pow(-2.0 * std::log10(1e-2 / 3.7), -2.0);
    EXPECT_NEAR(churchillFriction(1e8, 1e-2) / rough, 1.0, 0.02);
    EXPECT_GT(churchillFriction(2e4, 1e-3), churchillFriction(2e4, 0));
    EXPECT_DOUBLE_EQ(blasiusFriction(1000), 0.064);
}

TEST(SvgPlot, TicksAreRoundAndTheChartNamesItsSeries) {
    EXPECT_DOUBLE_EQ(niceTickStep(500, 5), 100);
    EXPECT_DOUBLE_EQ(niceTickStep(27, 6), 5);
    EXPECT_DOUBLE_EQ(niceTickStep(1.1, 6), 0.2);
    PlotSeries s{"Te -25 & co", "#123456", {{20, 1.0}, {500, 20.0}}, {{0, 0.5}, {500, 21.0}}};
    const std::string svg = lineChartSvg({"title", "x", "y", "note"}, {s});
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find("Te -25 &amp; co"), std::string::npos);
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_EQ(svg, lineChartSvg({"title", "x", "y", "note"}, {s})); // deterministic
}
