// Reading the stored file (text-mode translation, unscrambling), the tool's
// packer and check, and the shipped data file.
#include "tests/core/TestDataFiles.h"

#include "selection/DatabaseUsability.h"
#include "selection/FlowRate.h"
#include "selection/TubeSearch.h"
#include "tools/tbx/Scrambler.h"
#include "tools/tbx/TbxCommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

unsigned char stored(char c) {
    return static_cast<unsigned char>(c + SCRAMBLE_OFFSET);
}

std::string textOf(const std::vector<unsigned char>& bytes) {
    auto text = std::make_unique<DataFileText>();
    const int length = unscrambleData(bytes.data(), bytes.size(), *text);
    return std::string(text->chars, static_cast<std::size_t>(length));
}

std::vector<unsigned char> pack(const std::string& text, PackProblem* problem = nullptr) {
    std::vector<unsigned char> bytes;
    PackProblem local;
    const bool ok = packText(reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                             bytes, problem != nullptr ? *problem : local);
    return ok ? bytes : std::vector<unsigned char>{};
}

// A file name in the test's working directory, removed again at the end.
struct ScratchFile {
    explicit ScratchFile(std::string fileName) : name(std::move(fileName)) {}
    ~ScratchFile() { std::remove(name.c_str()); }
    std::string name;
};

std::string readBack(std::FILE* stream) {
    std::string text;
    std::rewind(stream);
    for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) {
        text += static_cast<char>(c);
    }
    return text;
}

// What `tbx check <path>` printed and returned.
struct CheckRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CheckRun runCheckOn(const std::string& path) {
    ScratchFile outFile("TbxCheckOut.txt");
    ScratchFile errFile("TbxCheckErr.txt");
    std::FILE* out = std::fopen(outFile.name.c_str(), "w+");
    std::FILE* err = std::fopen(errFile.name.c_str(), "w+");
    CheckRun run;
    if (out != nullptr && err != nullptr) {
        run.exitCode = runCheck(path.c_str(), out, err);
        run.out = readBack(out);
        run.err = readBack(err);
    }
    if (out != nullptr) {
        std::fclose(out);
    }
    if (err != nullptr) {
        std::fclose(err);
    }
    return run;
}

} // namespace

TEST(DataFileReader, UnscramblesTheEvenBytes) {
    const std::vector<unsigned char> bytes = {stored('A'), 0x00, stored('z'), 0xFF,
                                              0x10,        0x7E, stored('!')};
    auto text = std::make_unique<DataFileText>();
    EXPECT_EQ(unscrambleData(bytes.data(), bytes.size(), *text), 3); // 7 bytes: 3 characters
    EXPECT_EQ(text->length, 3);
    EXPECT_EQ(std::string(text->chars, 3), std::string("Az\xDB")); // 0x10 - 53 wraps to 0xDB
    EXPECT_EQ(text->chars[3], 0);

    // Fewer than two bytes give nothing, and the old text is cleared.
    EXPECT_EQ(unscrambleData(bytes.data(), 1, *text), 0);
    EXPECT_EQ(text->chars[0], 0);
    EXPECT_EQ(text->length, 0);
    EXPECT_EQ(unscrambleData(nullptr, 10, *text), 0);
}

TEST(DataFileReader, TextModeTranslationOfTheStoredBytes) {
    // CR LF is delivered as one LF: the filler pair shifts what follows.
    EXPECT_EQ(textOf({stored('a'), 0x0D, 0x0A, stored('b'), 0x00}), "ab");
    // A lone CR, and LF CR, stay as they are.
    EXPECT_EQ(textOf({stored('a'), 0x0D, stored('b'), 0x00}), "ab");
    EXPECT_EQ(textOf({stored('a'), 0x0A, 0x0D, 0x00}), "a\xD8");
    // A CR LF pair on a character position becomes the character of LF.
    EXPECT_EQ(textOf({0x0D, 0x0A, 0x00, stored('b'), 0x00}), "\xD5"
                                                             "b");
    // 0x1A ends the data, whatever follows.
    EXPECT_EQ(textOf({stored('a'), 0x00, stored('b'), 0x1A, stored('c'), 0x00}), "a");
    EXPECT_EQ(textOf({0x1A, stored('a'), 0x00}), "");
}

TEST(DataFileReader, OnlyTheFirst102400BytesAreLookedAt) {
    std::vector<unsigned char> bytes;
    for (int i = 0; i < 60000; ++i) {
        bytes.push_back(stored(static_cast<char>('a' + i % 26)));
        bytes.push_back(0x20);
    }
    auto text = std::make_unique<DataFileText>();
    EXPECT_EQ(unscrambleData(bytes.data(), bytes.size(), *text), MAX_DATA_TEXT);
    EXPECT_EQ(text->chars[MAX_DATA_TEXT - 1], 'a' + (MAX_DATA_TEXT - 1) % 26);
    EXPECT_EQ(text->chars[MAX_DATA_TEXT], 0);

    // Bytes beyond the limit cannot end the data or pair with the last CR.
    const std::string full = textOf(bytes);
    bytes[MAX_DATA_FILE_BYTES] = 0x1A;
    EXPECT_EQ(textOf(bytes), full);
    bytes[MAX_DATA_FILE_BYTES - 1] = 0x0D;
    const std::string withCr = textOf(bytes);
    bytes[MAX_DATA_FILE_BYTES] = 0x0A;
    EXPECT_EQ(textOf(bytes), withCr);
    bytes.resize(MAX_DATA_FILE_BYTES);
    EXPECT_EQ(textOf(bytes), withCr);
    // Shifted by one earlier CR LF pair, the CR at the limit falls on a
    // character position whose filler is missing: it is not part of the text.
    bytes[1] = 0x0D;
    bytes[2] = 0x0A;
    const std::string shifted = textOf(bytes);
    EXPECT_EQ(shifted.size(), static_cast<std::size_t>(MAX_DATA_TEXT - 1));
    bytes.push_back(0x0A);
    EXPECT_EQ(textOf(bytes), shifted);
}

TEST(DataFileReader, ReadsFromTheCurrentDirectory) {
    ScratchFile file("ReadDataFileTest.tbx");
    auto text = std::make_unique<DataFileText>();
    ASSERT_TRUE(writeBinaryFile(file.name, scrambleForTest("[START]\r\nfile text")));
    EXPECT_EQ(ReadDataFile(file.name.c_str(), *text), 18);
    EXPECT_STREQ(text->chars, "[START]\r\nfile text");

    ASSERT_TRUE(writeBinaryFile(file.name, {stored('x')}));
    EXPECT_EQ(ReadDataFile(file.name.c_str(), *text), 0);
    ASSERT_TRUE(writeBinaryFile(file.name, {stored('x'), 0x00}));
    EXPECT_EQ(ReadDataFile(file.name.c_str(), *text), 1);
    ASSERT_TRUE(writeBinaryFile(file.name, {}));
    EXPECT_EQ(ReadDataFile(file.name.c_str(), *text), 0);

    // A failed read leaves an empty text, whatever the text held.
    ASSERT_TRUE(writeBinaryFile(file.name, scrambleForTest("[START]")));
    ASSERT_GT(ReadDataFile(file.name.c_str(), *text), 0);
    EXPECT_EQ(ReadDataFile("NoSuchDataFile.tbx", *text), 0);
    EXPECT_EQ(text->chars[0], 0);
    EXPECT_EQ(text->length, 0);
    ASSERT_GT(ReadDataFile(file.name.c_str(), *text), 0);
    EXPECT_EQ(unscrambleData(nullptr, 0, *text), 0);
    EXPECT_EQ(text->length, 0);

    // A file of the same name elsewhere is not found.
    std::error_code error;
    std::filesystem::create_directory("ReadDataFileTestDir", error);
    ScratchFile elsewhere("ReadDataFileTestDir/Elsewhere.tbx");
    ASSERT_TRUE(writeBinaryFile(elsewhere.name, scrambleForTest("[START]")));
    EXPECT_EQ(ReadDataFile("Elsewhere.tbx", *text), 0);
    std::remove(elsewhere.name.c_str());
    std::filesystem::remove("ReadDataFileTestDir", error);

    // Long files: only the first 102400 bytes, which the tool is told.
    DataFileReadInfo info;
    readDataFileAt(file.name.c_str(), *text, &info);
    EXPECT_FALSE(info.longerThanRead);
    ASSERT_TRUE(writeBinaryFile(file.name, scrambleForTest(std::string(60000, 'q'))));
    EXPECT_EQ(ReadDataFile(file.name.c_str(), *text), MAX_DATA_TEXT);
    readDataFileAt(file.name.c_str(), *text, &info);
    EXPECT_TRUE(info.longerThanRead);
}

TEST(DataFilePacker, RoundTripWithCrLfLineEnds) {
    EXPECT_EQ(textOf(pack("a\nb\r\nc\rd\n\ne")), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(textOf(pack("no line end")), "no line end");

    // Every storable character next to every other survives the read.
    for (int first = 1; first < 256; ++first) {
        if (first == 0xE5) {
            continue;
        }
        std::string text;
        for (int second = 1; second < 256; ++second) {
            if (second != 0xE5) {
                text += static_cast<char>(first);
                text += static_cast<char>(second);
            }
        }
        const std::vector<unsigned char> bytes = scrambleForTest(text);
        ASSERT_TRUE(survivesTextModeRead(bytes.data(), bytes.size())) << first;
        ASSERT_EQ(textOf(bytes), text) << first;
    }
}

TEST(DataFilePacker, RefusesWhatTheFormatCannotHold) {
    PackProblem problem;
    EXPECT_TRUE(pack("ab\ncd\xE5", &problem).empty());
    EXPECT_EQ(problem.line, 2);
    EXPECT_EQ(problem.column, 3);
    EXPECT_NE(std::string(problem.reason).find("0xE5"), std::string::npos);

    EXPECT_TRUE(pack(std::string("a\r\n\r\nb") + '\0', &problem).empty());
    EXPECT_EQ(problem.line, 3);
    EXPECT_EQ(problem.column, 2);

    EXPECT_FALSE(pack(std::string(MAX_DATA_TEXT, 'x')).empty());
    EXPECT_TRUE(pack(std::string(MAX_DATA_TEXT + 1, 'x'), &problem).empty());
    EXPECT_FALSE(pack(std::string(MAX_DATA_TEXT / 2, '\n')).empty());
    EXPECT_TRUE(pack(std::string(MAX_DATA_TEXT / 2 + 1, '\n')).empty()); // CR LF doubles it
}

TEST(DataFilePacker, FillersNeverAlterTheRead) {
    for (std::size_t index = 0; index < 512; ++index) {
        for (int scrambled : {0x0D, 0x0A, 0x1A - 1, 0x41}) {
            for (int next : {-1, 0x0A, 0x0D, 0x41}) {
                const unsigned char filler =
                    chooseFiller(index, static_cast<unsigned char>(scrambled), next);
                EXPECT_NE(filler, 0x1A);
                if (scrambled == 0x0D) {
                    EXPECT_NE(filler, 0x0A);
                }
                if (next == 0x0A) {
                    EXPECT_NE(filler, 0x0D);
                }
            }
        }
    }
    EXPECT_TRUE(survivesTextModeRead(pack("\xD8\xD5\xD8\xD5").data(), 8));
    EXPECT_FALSE(survivesTextModeRead(std::vector<unsigned char>{1, 0x0D, 0x0A}.data(), 3));
    EXPECT_FALSE(survivesTextModeRead(std::vector<unsigned char>{1, 0x1A}.data(), 2));
}

// tbx check makes the program's start-up decision: every file the program
// refuses gives exit code 1 and the reason, only a usable file gives 0.
TEST(DataFileTool, CheckRefusesWhatTheProgramRefusesWithTheReason) {
    DataTextParts threeEurope;
    threeEurope.europe = "0.6, 0.7, 0.8";
    DataTextParts shortNorthAmerica;
    shortNorthAmerica.northAmerica = ".026, .028, .031, .036, .040, .042, .049, .054";
    DataTextParts noRefrigerant;
    noRefrigerant.records.clear();
    DataTextParts longTitle;
    longTitle.title = std::string(20, 'T');
    const struct {
        std::vector<unsigned char> bytes;
        const char* reason;
    } refused[] = {
        {scrambleForTest(buildDataText(threeEurope)), ": fewer than 9 Europe diameters"},
        {scrambleForTest(buildDataText(shortNorthAmerica)), ": fewer than 9 North America"},
        {scrambleForTest(buildDataText(noRefrigerant)), ": no refrigerant line"},
        {scrambleForTest(buildDataText(longTitle)), ": line 4: the title line has 20 or more"},
        {{stored('x'), 0x1A, stored('y'), 0x00}, ": no text"},
    };
    ScratchFile file("TbxCheckTest.tbx");
    for (const auto& c : refused) {
        ASSERT_TRUE(writeBinaryFile(file.name, c.bytes));
        const CheckRun run = runCheckOn(file.name);
        EXPECT_EQ(run.exitCode, 1) << c.reason;
        EXPECT_NE(run.err.find(file.name + c.reason), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("the program refuses this file"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.reason;
    }

    ASSERT_TRUE(writeBinaryFile(file.name, scrambleForTest(buildDataText(DataTextParts()))));
    CheckRun run = runCheckOn(file.name);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.rfind(file.name + ": loads", 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");

    run = runCheckOn("Olvane.tbx"); // the shipped file, packed by the build
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    run = runCheckOn("NoSuchDataFile.tbx");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tbx: cannot open NoSuchDataFile.tbx\n");
}

TEST(ShippedDataFile, PacksAndLoads) {
    const std::vector<unsigned char> source = readSourceFile("data/Olvane.txt");
    ASSERT_FALSE(source.empty());
    std::vector<unsigned char> bytes;
    PackProblem problem;
    ASSERT_TRUE(packText(source.data(), source.size(), bytes, problem))
        << problem.line << ":" << problem.column << ": " << problem.reason;
    LoadedDatabase shipped = loadStoredBytes(bytes);
    ASSERT_TRUE(shipped.loaded) << shipped.failure.line << ": " << shipped.failure.reason;
    const RefrigerantDatabase& db = *shipped.db;

    EXPECT_TRUE(isDatabaseUsable(db));
    EXPECT_GE(db.refrigerantCount, 10);
    EXPECT_GE(db.europeDiameters.count, 9);
    EXPECT_GE(db.northAmericaDiameters.count, 9);
    EXPECT_GT(db.helpLineCount, 0);
    EXPECT_STRNE(db.databaseVersion, "0.0.1");
    EXPECT_GT(db.targetLength, 1.0);
    EXPECT_LT(db.targetLength, 6.0);
    for (const char* name :
         {"R600a", "R290", "R134a", "R1234yf", "R404A", "R507A", "R22", "R12", "R452A", "R513A"}) {
        bool found = false;
        for (int i = 0; i < db.refrigerantCount; ++i) {
            found = found || std::string(db.refrigerants[i].name) == name;
        }
        EXPECT_TRUE(found) << name;
    }

    // The file the build packed into the tests' working directory holds the
    // same text.
    auto text = std::make_unique<DataFileText>();
    ASSERT_GT(ReadDataFile("Olvane.tbx", *text), 0);
    EXPECT_EQ(std::string(text->chars, static_cast<std::size_t>(text->length)), textOf(bytes));
}

// At the default inputs the household refrigerants get household tubes (the
// flow over the envelopes is SelectionShippedData's test).
TEST(ShippedDataFile, DefaultsGiveHouseholdRefrigerantsHouseholdTubes) {
    const std::vector<unsigned char> source = readSourceFile("data/Olvane.txt");
    LoadedDatabase shipped = loadStoredBytes(pack(std::string(source.begin(), source.end())));
    ASSERT_TRUE(shipped.loaded);
    const RefrigerantDatabase& db = *shipped.db;
    for (int i = 0; i < db.refrigerantCount; ++i) {
        const RefrigerantRecord& r = db.refrigerants[i];
        if (std::string(r.name) != "R600a" && std::string(r.name) != "R134a") {
            continue;
        }
        double lengths[MAX_DIAMETERS];
        computeTubeLengths(db.europeDiameters.values, db.europeDiameters.count,
                           nitrogenFlowRate(r, 110, -25, 55, 32), lengths);
        const int best = findOptimalTube(lengths, db.europeDiameters.count, db.targetLength);
        EXPECT_GE(db.europeDiameters.values[best], 0.6) << r.name;
        EXPECT_LE(db.europeDiameters.values[best], 0.8) << r.name;
        EXPECT_GE(lengths[best], 2.0) << r.name;
        EXPECT_LE(lengths[best], 4.0) << r.name;
    }
}
