#include "ui/dialogs/rules/DisclaimerText.h"
#include "ui/dialogs/rules/HelpText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Splits a text whose every line ends in "\r\n"; fails the test on a bare
// CR or LF or on a last line without its ending.
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF: " << text.substr(start);
            break;
        }
        std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "bare CR or LF in " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::string Filtered(const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (std::strchr(HELP_FORBIDDEN_CHARACTERS, c) == nullptr) {
            kept += c;
        }
    }
    return kept;
}

} // namespace

TEST(HelpText, BuiltInTextHasSixtyTwoLinesInFourBlocks) {
    const std::vector<std::string> lines = CrLfLines(builtInHelpText());
    ASSERT_EQ(lines.size(), 62u);

    // Blocks are runs of lines ending in two empty lines; inside a block
    // paragraphs are separated by single empty lines.
    std::vector<std::vector<std::vector<std::string>>> blocks(1);
    std::vector<std::string> paragraph;
    int empties = 0;
    for (const std::string& line : lines) {
        if (line.empty()) {
            ++empties;
            if (empties == 1 && !paragraph.empty()) {
                blocks.back().push_back(paragraph);
                paragraph.clear();
            }
            if (empties == 2) {
                blocks.emplace_back();
            }
            EXPECT_LE(empties, 2) << "three empty lines in a row";
            continue;
        }
        empties = 0;
        paragraph.push_back(line);
    }
    EXPECT_TRUE(paragraph.empty()) << "text does not end with two empty lines";
    ASSERT_EQ(blocks.size(), 5u); // four blocks and the nothing after the last
    EXPECT_TRUE(blocks[4].empty());

    // Title block: three lines, one paragraph: product, subtitle, rights.
    ASSERT_EQ(blocks[0].size(), 1u);
    ASSERT_EQ(blocks[0][0].size(), 3u);
    EXPECT_EQ(blocks[0][0][0], "Olvane");
    EXPECT_NE(blocks[0][0][1].find("Capillary Tube Selection"), std::string::npos);
    EXPECT_NE(blocks[0][0][2].find("Varnu"), std::string::npos);
    EXPECT_NE(blocks[0][0][2].find("2026"), std::string::npos);

    // Each heading stands alone, followed by one empty line.
    ASSERT_EQ(blocks[1].size(), 7u); // heading and six paragraphs
    EXPECT_EQ(blocks[1][0], std::vector<std::string>{"Introduction:"});
    ASSERT_EQ(blocks[2].size(), 2u); // heading and one paragraph
    EXPECT_EQ(blocks[2][0], std::vector<std::string>{"Installation and requirements:"});
    ASSERT_EQ(blocks[3].size(), 2u);
    EXPECT_EQ(blocks[3][0], std::vector<std::string>{"System requirements:"});
    EXPECT_EQ(blocks[3][1].size(), 4u);

    // The sizing paragraph has the two assumptions as dash-led items, and
    // the inputs paragraph lists the three operating temperatures.
    int dashed = 0;
    for (const std::string& line : blocks[1][2]) {
        dashed += line.rfind("- ", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(dashed, 2);
    dashed = 0;
    for (const std::string& line : blocks[1][3]) {
        dashed += line.rfind("- ", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(dashed, 3);
    for (const std::string& line : blocks[3][1]) {
        EXPECT_EQ(line.rfind("- ", 0), 0u) << line;
    }

    // Lines fit the help box without scrolling sideways.
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 64u) << line;
    }
}

TEST(HelpText, OnScreenOnlyTheHeadingsLoseTheirColons) {
    const std::string text = builtInHelpText();
    const std::string shown = Filtered(text);
    EXPECT_EQ(text.size() - shown.size(), 3u);
    EXPECT_NE(shown.find("\r\nIntroduction\r\n"), std::string::npos);
    EXPECT_NE(shown.find("\r\nInstallation and requirements\r\n"), std::string::npos);
    EXPECT_NE(shown.find("\r\nSystem requirements\r\n"), std::string::npos);
    EXPECT_STREQ(HELP_FORBIDDEN_CHARACTERS, "%'*\"+?><:\\");
}

TEST(HelpText, DatabaseLinesReplaceTheBuiltInText) {
    auto db = std::make_unique<RefrigerantDatabase>();
    EXPECT_EQ(helpTextFor(*db), builtInHelpText());

    std::strcpy(db->helpLines[0], "Olvane help: \"quoted\" 50% <b>");
    db->helpLines[1][0] = '\0';
    std::strcpy(db->helpLines[2], "last line");
    std::strcpy(db->helpLines[3], "not counted");
    db->helpLineCount = 3;
    EXPECT_EQ(helpTextFor(*db), "Olvane help: \"quoted\" 50% <b>\r\n\r\nlast line\r\n");
    EXPECT_EQ(Filtered(helpTextFor(*db)), "Olvane help quoted 50 b\r\n\r\nlast line\r\n");

    // A full row without its terminating zero is still cut at its capacity,
    // and a count beyond the table reads no further than the table.
    std::memset(db->helpLines[0], 'x', MAX_HELP_LINE_LENGTH + 1);
    db->helpLineCount = 1;
    EXPECT_EQ(helpTextFor(*db), std::string(MAX_HELP_LINE_LENGTH, 'x') + "\r\n");
    db->helpLineCount = MAX_HELP_LINES + 20;
    EXPECT_EQ(CrLfLines(helpTextFor(*db)).size(), static_cast<std::size_t>(MAX_HELP_LINES));
}

TEST(HelpText, DisclaimerHasSixLinesInTheMakersName) {
    const std::vector<std::string> lines = CrLfLines(disclaimerText());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Disclaimer:");
    EXPECT_EQ(lines[1], "");
    for (int i : {2, 3, 5}) {
        EXPECT_EQ(lines[i].rfind("Varnu", 0) == 0 || lines[i].find(" Varnu ") != std::string::npos,
                  true)
            << lines[i];
    }
    EXPECT_NE(lines[2].find("no responsibility"), std::string::npos);
    EXPECT_NE(lines[3].find("without notice"), std::string::npos);
    EXPECT_NE(lines[4].find("trademarks"), std::string::npos);
    EXPECT_NE(lines[5].find("logotype"), std::string::npos);
}
