// Writing the data file text.
#include "tools/refgen/DataFileWriter.h"
#include "tools/refgen/ShippedSettings.h"

#include <gtest/gtest.h>

TEST(DataFileWriter, NumbersAndDiameterLines) {
    EXPECT_EQ(dataFileNumber(0.0), "0");
    EXPECT_EQ(dataFileNumber(-0.0), "0");
    EXPECT_EQ(dataFileNumber(-35), "-35");
    EXPECT_EQ(dataFileNumber(0.1234567890123), "0.123456789");
    EXPECT_EQ(dataFileNumber(-7.921778937e-05), "-7.921778937e-05");
    EXPECT_EQ(diameterLine({0.5, 0.55, 1.0}, false), "0.50, 0.55, 1.00");
    EXPECT_EQ(diameterLine({0.026, 0.031, 0.09}, true), ".026, .031, .090");
}

TEST(DataFileWriter, WritesTheSectionsWithCrLfAndRefusesWhatTheLoaderCannotRead) {
    DataFileHeader h = shippedHeader();
    RefrigerantData r;
    r.entry = CatalogEntry{"R134a", "LBP", "", -35, 10, 35, 60, 10, 45, 20, 500, ""};
    r.coefficients.b[0] = 0.25;
    r.coefficients.a[0] = 160.5;
    std::string text, error;
    ASSERT_TRUE(writeDataFileText(h, {r}, text, error)) << error;
    EXPECT_EQ(text.rfind("[HELP]\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n[START]\r\nVarnu Olvane data\r\n1.1.0\r\n3.00\r\n0.50, 0.55"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nR134a, -35, 10, 35, 60, 10, 45, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                        "160.5, 0, 0, 0\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Te min \xBA"
                        "C"),
              std::string::npos);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1); // no bare LF
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << i;
        }
    }

    DataFileHeader longHelp = h;
    longHelp.helpLines.push_back(std::string(101, 'x'));
    EXPECT_FALSE(writeDataFileText(longHelp, {r}, text, error));
    RefrigerantData longName = r;
    longName.entry.name = "R123456789012345678901";
    EXPECT_FALSE(writeDataFileText(h, {longName}, text, error));
    DataFileHeader longVersion = h;
    longVersion.version = "1.1.0-0123456789";
    EXPECT_FALSE(writeDataFileText(longVersion, {r}, text, error));
}

TEST(DataFileWriter, ShippedHelpLinesKeepTheHelpBoxCharacters) {
    for (const std::string& line : shippedHeader().helpLines) {
        EXPECT_LE(line.size(), 100u);
        EXPECT_EQ(line.find_first_of("%'*\"+?><:\\"), std::string::npos) << line;
    }
}
