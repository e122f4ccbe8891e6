// Parsing the data text into the tables.
#include "tests/core/TestDataFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string repeat(char c, std::size_t count) {
    return std::string(count, c);
}

std::string numberedList(int count, const char* format) {
    std::string list;
    for (int i = 0; i < count; ++i) {
        char value[32];
        std::snprintf(value, sizeof value, format, 0.5 + 0.01 * i);
        list += (i == 0 ? "" : ",") + std::string(value);
    }
    return list;
}

std::string header(const std::string& lineEnd = "\r\n") {
    return "[START]" + lineEnd + "T" + lineEnd + "1" + lineEnd + "3" + lineEnd + "0.7" + lineEnd +
           ".028" + lineEnd + "headings" + lineEnd;
}

} // namespace

TEST(DatabaseLoader, HelpLinesBetweenTheMarkers) {
    DataTextParts parts;
    parts.helpLines.clear();
    LoadedDatabase none = loadText(buildDataText(parts));
    ASSERT_TRUE(none.loaded);
    EXPECT_EQ(none.db->helpLineCount, 0);

    parts.helpLines = {"  two leading, inner  and trailing blanks  ", "", "third"};
    LoadedDatabase three = loadText(buildDataText(parts));
    ASSERT_TRUE(three.loaded);
    EXPECT_EQ(three.db->helpLineCount, 3);
    EXPECT_STREQ(three.db->helpLines[0], "  two leading, inner  and trailing blanks  ");
    EXPECT_STREQ(three.db->helpLines[1], "");
    EXPECT_STREQ(three.db->helpLines[2], "third");
    EXPECT_STREQ(three.db->helpLines[3], "[START]"); // read, not counted

    parts.helpLines = {repeat('a', 50) + repeat(' ', 20) + repeat('b', 80)};
    LoadedDatabase longLine = loadText(buildDataText(parts));
    ASSERT_TRUE(longLine.loaded);
    EXPECT_EQ(std::string(longLine.db->helpLines[0]),
              repeat('a', 50) + repeat(' ', 20) + repeat('b', 30));

    parts.helpLines.clear();
    for (int i = 1; i <= 150; ++i) {
        parts.helpLines.push_back("help " + std::to_string(i));
    }
    LoadedDatabase many = loadText(buildDataText(parts));
    ASSERT_TRUE(many.loaded);
    EXPECT_EQ(many.db->helpLineCount, 99);
    EXPECT_STREQ(many.db->helpLines[98], "help 99");
    EXPECT_STREQ(many.db->helpLines[99], "help 100"); // the hundredth is read but not counted
    EXPECT_STREQ(many.db->title, "Test data");
}

TEST(DatabaseLoader, MissingOrMisplacedHelpMarkerLoadsWithoutHelp) {
    DataTextParts parts;
    parts.withHelp = false;
    LoadedDatabase noHelp = loadText(buildDataText(parts));
    ASSERT_TRUE(noHelp.loaded);
    EXPECT_EQ(noHelp.db->helpLineCount, 0);
    EXPECT_STREQ(noHelp.db->helpLines[0], "");
    EXPECT_EQ(noHelp.db->refrigerantCount, 1);

    // "[HELP]" after "[START]", behind the empty line that ends the table.
    parts.records = {testRecordLine("R600a"), "", "[HELP]", "after the marker"};
    LoadedDatabase late = loadText(buildDataText(parts));
    ASSERT_TRUE(late.loaded);
    EXPECT_EQ(late.db->helpLineCount, 0);
    EXPECT_STREQ(late.db->helpLines[0], "");
    EXPECT_EQ(late.db->refrigerantCount, 1);
}

TEST(DatabaseLoader, HeaderLinesHoldAtMost19Characters) {
    const std::string nineteen = "1234567890123456789";
    for (int line = 0; line < 3; ++line) {
        DataTextParts parts;
        std::string& field = line == 0   ? parts.title
                             : line == 1 ? parts.version
                                         : parts.targetLength;
        field = line == 2 ? "3.0000000000000000" + std::string("0") : nineteen;
        ASSERT_EQ(field.size(), 19u);
        LoadedDatabase ok = loadText(buildDataText(parts));
        EXPECT_TRUE(ok.loaded) << "line " << line + 1;

        field += "0";
        LoadedDatabase tooLong = loadText(buildDataText(parts));
        EXPECT_FALSE(tooLong.loaded) << "line " << line + 1;
        // [HELP], one help line and [START] come first.
        EXPECT_EQ(tooLong.failure.line, 4 + line);
        EXPECT_NE(std::strstr(tooLong.failure.reason, "20 or more"), nullptr);
    }

    DataTextParts parts;
    parts.title = nineteen;
    parts.targetLength = "  2.75 m";
    LoadedDatabase ok = loadText(buildDataText(parts));
    ASSERT_TRUE(ok.loaded);
    EXPECT_STREQ(ok.db->title, nineteen.c_str());
    EXPECT_DOUBLE_EQ(ok.db->targetLength, 2.75);
}

TEST(DatabaseLoader, TextEndingInTheHeader) {
    LoadedDatabase afterLine3 = loadText("[START]\r\nTitle\r\n1.2\r\n2.5\r\n");
    ASSERT_TRUE(afterLine3.loaded);
    EXPECT_DOUBLE_EQ(afterLine3.db->targetLength, 2.5);
    EXPECT_EQ(afterLine3.db->europeDiameters.count, 0);
    EXPECT_EQ(afterLine3.db->northAmericaDiameters.count, 0);
    EXPECT_EQ(afterLine3.db->refrigerantCount, 0);

    LoadedDatabase insideLine3 = loadText("[START]\r\nTitle\r\n1.2\r\n2.5");
    EXPECT_FALSE(insideLine3.loaded);
    EXPECT_EQ(insideLine3.failure.line, 4);

    EXPECT_FALSE(loadText("[START]\r\nTitle").loaded);
    EXPECT_FALSE(loadText("[START]").loaded);

    LoadedDatabase noStart = loadText("[HELP]\r\nhelp\r\nTitle\r\n1\r\n3\r\n");
    EXPECT_FALSE(noStart.loaded);
    EXPECT_EQ(noStart.failure.line, 0);
    EXPECT_NE(std::strstr(noStart.failure.reason, "[START]"), nullptr);

    // The text ends at its first zero character, even before its length.
    auto text = std::make_unique<DataFileText>();
    setDataText(*text, std::string("[START]\r\nT\r\n1\r\n3\r\n") + '\0' + "0.5,0.6\r\n");
    RefrigerantDatabase db;
    EXPECT_TRUE(ParseDatabase(*text, db));
    EXPECT_EQ(db.europeDiameters.count, 0);
    setDataText(*text, std::string("[START]\r\nT\r\n1") + '\0' + "\r\n3\r\n");
    EXPECT_FALSE(ParseDatabase(*text, db));
}

TEST(DatabaseLoader, VersionLine) {
    DataTextParts parts;
    parts.version = "";
    LoadedDatabase empty = loadText(buildDataText(parts), "0.0.7");
    ASSERT_TRUE(empty.loaded);
    EXPECT_STREQ(empty.db->databaseVersion, "0.0.7");

    parts.version = "2.1";
    EXPECT_STREQ(loadText(buildDataText(parts), "0.0.7").db->databaseVersion, "2.1");

    for (const char* longVersion : {"1234567890123456", "1234567890123456789"}) {
        parts.version = longVersion;
        LoadedDatabase cut = loadText(buildDataText(parts));
        ASSERT_TRUE(cut.loaded);
        EXPECT_STREQ(cut.db->databaseVersion, "123456789012345");
    }
}

TEST(DatabaseLoader, DiameterLines) {
    DataTextParts parts;
    parts.europe = " 0.6 ,0 .7,  0.8  ";
    parts.northAmerica = "0.026,,0.031";
    LoadedDatabase db = loadText(buildDataText(parts));
    ASSERT_TRUE(db.loaded);
    ASSERT_EQ(db.db->europeDiameters.count, 3);
    EXPECT_DOUBLE_EQ(db.db->europeDiameters.values[0], 0.6);
    EXPECT_DOUBLE_EQ(db.db->europeDiameters.values[1], 0.7);
    EXPECT_DOUBLE_EQ(db.db->europeDiameters.values[2], 0.8);
    ASSERT_EQ(db.db->northAmericaDiameters.count, 1);
    EXPECT_NEAR(db.db->northAmericaDiameters.values[0], 0.6604, 1e-12);

    // Number forms: sign, exponent, trailing text, not a number, decimal comma.
    parts.europe = "+0.5,5e-1x,.75,0.8mm,abc,1,5";
    parts.northAmerica = ",0.026";
    db = loadText(buildDataText(parts));
    ASSERT_TRUE(db.loaded);
    const DiameterList& europe = db.db->europeDiameters;
    ASSERT_EQ(europe.count, 7);
    const double expected[] = {0.5, 0.5, 0.75, 0.8, 0, 1, 5};
    for (int i = 0; i < 7; ++i) {
        EXPECT_DOUBLE_EQ(europe.values[i], expected[i]) << i;
    }
    EXPECT_EQ(db.db->northAmericaDiameters.count, 0);

    parts.europe = numberedList(60, "%.2f");
    parts.northAmerica = numberedList(50, "%.2f") + "," + repeat('9', 40); // never read
    db = loadText(buildDataText(parts));
    ASSERT_TRUE(db.loaded);
    EXPECT_EQ(db.db->europeDiameters.count, MAX_DIAMETERS);
    EXPECT_DOUBLE_EQ(db.db->europeDiameters.values[49], 0.99);
    EXPECT_EQ(db.db->northAmericaDiameters.count, MAX_DIAMETERS);

    // 999 characters besides spaces load, 1000 fail, on either line.
    parts = DataTextParts{};
    std::string values;
    for (int i = 0; i < 250; ++i) {
        values += "0.5,";
    }
    parts.europe = values.substr(0, 999) + repeat(' ', 300);
    LoadedDatabase longest = loadText(buildDataText(parts));
    ASSERT_TRUE(longest.loaded);
    EXPECT_EQ(longest.db->europeDiameters.count, MAX_DIAMETERS);
    parts.europe = "0.5";
    parts.northAmerica = values;
    LoadedDatabase tooLong = loadText(buildDataText(parts));
    EXPECT_FALSE(tooLong.loaded);
    EXPECT_EQ(tooLong.failure.line, 8);
}

TEST(DatabaseLoader, NumberFieldLimits) {
    DataTextParts parts;
    parts.europe = "0.5," + repeat('0', 30) + "7"; // 31 characters
    LoadedDatabase ok = loadText(buildDataText(parts));
    ASSERT_TRUE(ok.loaded);
    EXPECT_DOUBLE_EQ(ok.db->europeDiameters.values[1], 7);

    parts.europe = "0.5," + repeat('0', 31) + "7"; // 32 characters
    LoadedDatabase tooLong = loadText(buildDataText(parts));
    EXPECT_FALSE(tooLong.loaded);
    EXPECT_EQ(tooLong.failure.line, 7);

    parts = DataTextParts{};
    parts.records = {"R1,1,2,3,4,5,6," + repeat('1', 32)};
    EXPECT_FALSE(loadText(buildDataText(parts)).loaded);

    // Beyond the range of a double fails; below it reads 0.
    parts = DataTextParts{};
    parts.europe = "0.5,1e999";
    EXPECT_FALSE(loadText(buildDataText(parts)).loaded);
    parts.europe = "0.5,-1e-999,0.000000000001e-400";
    LoadedDatabase tiny = loadText(buildDataText(parts));
    ASSERT_TRUE(tiny.loaded);
    ASSERT_EQ(tiny.db->europeDiameters.count, 3);
    EXPECT_EQ(tiny.db->europeDiameters.values[1], 0.0);
    EXPECT_EQ(tiny.db->europeDiameters.values[2], 0.0);
    parts.europe = "0.5";
    parts.targetLength = "1e400";
    EXPECT_FALSE(loadText(buildDataText(parts)).loaded);
}

TEST(DatabaseLoader, RecordFields) {
    DataTextParts parts;
    parts.records = {"AB 12 , -40 , -5, 25,65,-20,45, 1,2,3,4,5,6,7,8,9,10, 11,12,13,14, 99,98",
                     "Ranges only,-30,0,30,60,-10,40", "Z,1,,3"};
    LoadedDatabase db = loadText(buildDataText(parts));
    ASSERT_TRUE(db.loaded);
    ASSERT_EQ(db.db->refrigerantCount, 3);

    const RefrigerantRecord& full = db.db->refrigerants[0];
    EXPECT_STREQ(full.name, "AB12");
    EXPECT_EQ(full.evapMin, -40);
    EXPECT_EQ(full.evapMax, -5);
    EXPECT_EQ(full.condMin, 25);
    EXPECT_EQ(full.condMax, 65);
    EXPECT_EQ(full.returnGasMin, -20);
    EXPECT_EQ(full.returnGasMax, 45);
    for (int i = 0; i < FLOW_COEFFICIENTS; ++i) {
        EXPECT_EQ(full.flowCoefficients[i], i + 1) << "B" << i;
    }
    for (int i = 0; i < DIVISOR_COEFFICIENTS; ++i) {
        EXPECT_EQ(full.divisorCoefficients[i], i + 11) << "A" << i;
    }

    const RefrigerantRecord& rangesOnly = db.db->refrigerants[1];
    EXPECT_STREQ(rangesOnly.name, "Rangesonly");
    EXPECT_EQ(rangesOnly.returnGasMax, 40);
    for (double b : rangesOnly.flowCoefficients) {
        EXPECT_EQ(b, 0);
    }
    for (double a : rangesOnly.divisorCoefficients) {
        EXPECT_EQ(a, 0);
    }

    const RefrigerantRecord& gaps = db.db->refrigerants[2];
    EXPECT_EQ(gaps.evapMin, 1);
    EXPECT_EQ(gaps.evapMax, 0);
    EXPECT_EQ(gaps.condMin, 3);
}

TEST(DatabaseLoader, RecordNameNeedsACommaAndAtMost20Characters) {
    DataTextParts parts;
    parts.records = {recordLine(repeat('N', 20), {1, 2})};
    LoadedDatabase twenty = loadText(buildDataText(parts));
    ASSERT_TRUE(twenty.loaded);
    EXPECT_STREQ(twenty.db->refrigerants[0].name, repeat('N', 20).c_str());

    parts.records = {testRecordLine("R600a"), recordLine(repeat('N', 21), {1, 2})};
    LoadedDatabase longName = loadText(buildDataText(parts));
    EXPECT_FALSE(longName.loaded);
    EXPECT_EQ(longName.failure.line, 11);

    parts.records = {"R600a"};
    LoadedDatabase noComma = loadText(buildDataText(parts));
    EXPECT_FALSE(noComma.loaded);
    EXPECT_NE(std::strstr(noComma.failure.reason, "comma"), nullptr);
}

TEST(DatabaseLoader, RecordTableEnds) {
    DataTextParts parts;
    parts.records.clear();
    for (int i = 0; i < 50; ++i) {
        parts.records.push_back(testRecordLine("R" + std::to_string(i)));
    }
    LoadedDatabase fifty = loadText(buildDataText(parts));
    ASSERT_TRUE(fifty.loaded);
    EXPECT_EQ(fifty.db->refrigerantCount, 50);
    EXPECT_STREQ(fifty.db->refrigerants[49].name, "R49");

    parts.records.push_back(testRecordLine("R50"));
    LoadedDatabase fiftyOne = loadText(buildDataText(parts));
    EXPECT_FALSE(fiftyOne.loaded);
    EXPECT_EQ(fiftyOne.failure.line, 10 + 50);

    // An empty (or blank) line ends the table; what follows is never read.
    parts.records.back() = "   ";
    parts.records.push_back(testRecordLine("R50"));
    parts.records.push_back("junk without comma");
    LoadedDatabase afterEmpty = loadText(buildDataText(parts));
    ASSERT_TRUE(afterEmpty.loaded);
    EXPECT_EQ(afterEmpty.db->refrigerantCount, 50);

    // A line of 1000 or more characters ends the table too, with success.
    parts.records = {testRecordLine("A"), "B," + repeat('1', 998), testRecordLine("C")};
    LoadedDatabase overLong = loadText(buildDataText(parts));
    ASSERT_TRUE(overLong.loaded);
    EXPECT_EQ(overLong.db->refrigerantCount, 1);
    parts.records[1] = "B," + repeat('1', 997) + repeat(' ', 10);
    EXPECT_FALSE(loadText(buildDataText(parts)).loaded); // 999 characters: a 32+ char field
}

TEST(DatabaseLoader, LineBreakRule) {
    // LF-only: LF LF is one line break, so an empty line does not end the
    // table and the lines after it are further records.
    const std::string lf = header("\n") + "A,1\n\nB,2\n";
    LoadedDatabase lfOnly = loadText(lf);
    ASSERT_TRUE(lfOnly.loaded);
    EXPECT_EQ(lfOnly.db->refrigerantCount, 2);
    EXPECT_STREQ(lfOnly.db->refrigerants[1].name, "B");

    LoadedDatabase crlf = loadText(header() + "A,1\r\n\r\nB,2\r\n");
    ASSERT_TRUE(crlf.loaded);
    EXPECT_EQ(crlf.db->refrigerantCount, 1);

    // CR CR and LF CR are single breaks as well; CR LF CR LF is two.
    LoadedDatabase mixed = loadText("[START]\r\rT\n\r1\r\n3\r\n0.7\r\n.028\r\nh\r\nA,1\r\n");
    ASSERT_TRUE(mixed.loaded);
    EXPECT_STREQ(mixed.db->title, "T");
    EXPECT_STREQ(mixed.db->databaseVersion, "1");
    EXPECT_EQ(mixed.db->refrigerantCount, 1);

    // The last line needs no line break.
    LoadedDatabase noFinalBreak = loadText(header() + "A,1\r\nB,2");
    ASSERT_TRUE(noFinalBreak.loaded);
    EXPECT_EQ(noFinalBreak.db->refrigerantCount, 2);
}

TEST(DatabaseLoader, ParsingAgainClearsTheTables) {
    DataTextParts parts;
    parts.helpLines = {"one", "two"};
    parts.records = {testRecordLine("A"), testRecordLine("B")};
    auto text = std::make_unique<DataFileText>();
    setDataText(*text, buildDataText(parts));
    auto db = std::make_unique<RefrigerantDatabase>();
    ASSERT_TRUE(ParseDatabase(*text, *db));

    setDataText(*text, "[START]\r\nSecond\r\n\r\n2\r\n\r\n\r\n\r\n");
    ASSERT_TRUE(ParseDatabase(*text, *db));
    EXPECT_EQ(db->helpLineCount, 0);
    EXPECT_STREQ(db->helpLines[0], "");
    EXPECT_STREQ(db->title, "Second");
    EXPECT_STREQ(db->databaseVersion, "9.8.7"); // kept: the version line is empty
    EXPECT_EQ(db->europeDiameters.count, 0);
    EXPECT_EQ(db->europeDiameters.values[0], 0);
    EXPECT_EQ(db->refrigerantCount, 0);
    EXPECT_STREQ(db->refrigerants[0].name, "");
    EXPECT_EQ(db->refrigerants[0].flowCoefficients[5], 0);
}
