#include "ui/main/rules/ScriptedText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "P:abc" for a plain run, "^x" and "_x" for scripted characters.
std::vector<std::string> Describe(const std::string& text) {
    std::vector<std::string> out;
    for (const ScriptedRun& run : splitScriptedText(text)) {
        switch (run.kind) {
        case ScriptKind::Plain:
            out.push_back("P:" + run.text);
            break;
        case ScriptKind::Superscript:
            out.push_back("^" + run.text);
            break;
        case ScriptKind::Subscript:
            out.push_back("_" + run.text);
            break;
        }
    }
    return out;
}

using Runs = std::vector<std::string>;

} // namespace

TEST(ScriptedTextSplit, PlainSuperscriptSubscript) {
    EXPECT_EQ(Describe(""), Runs{});
    EXPECT_EQ(Describe("Flow"), Runs{"P:Flow"});
    EXPECT_EQ(Describe("m^3"), (Runs{"P:m", "^3"}));
    EXPECT_EQ(Describe("(N_2 at delta p 10 bar)"), (Runs{"P:(N", "_2", "P: at delta p 10 bar)"}));
    EXPECT_EQ(Describe("^3 up"), (Runs{"^3", "P: up"}));
    EXPECT_EQ(Describe("a_1_2"), (Runs{"P:a", "_1", "_2"}));
    // The character after a marker is scripted whatever it is, the other
    // marker and a blank included.
    EXPECT_EQ(Describe("x^_y"), (Runs{"P:x", "^_", "P:y"}));
    EXPECT_EQ(Describe("x_ y"), (Runs{"P:x", "_ ", "P:y"}));
}

TEST(ScriptedTextSplit, DoubledMarkersAndMarkerAtEnd) {
    EXPECT_EQ(Describe("a^^b"), Runs{"P:a^b"});
    EXPECT_EQ(Describe("a__b"), Runs{"P:a_b"});
    EXPECT_EQ(Describe("^^"), Runs{"P:^"});
    // A literal marker, then a real one.
    EXPECT_EQ(Describe("a^^^2"), (Runs{"P:a^", "^2"}));
    // A marker as the last character is not drawn at all.
    EXPECT_EQ(Describe("abc^"), Runs{"P:abc"});
    EXPECT_EQ(Describe("abc_"), Runs{"P:abc"});
    EXPECT_EQ(Describe("_"), Runs{});
    EXPECT_EQ(Describe("a^^_"), Runs{"P:a^"});
    // Bytes above 0x7F (º is 0xBA) are ordinary characters.
    EXPECT_EQ(Describe("25 \xBA"
                       "C_1"),
              (Runs{"P:25 \xBA"
                    "C",
                    "_1"}));
}

TEST(ScriptedTextLayout, ScriptFontAndOffsets) {
    const PixelSize script = scriptFontFor(0, 16);
    EXPECT_EQ(script.width, 0);
    EXPECT_EQ(script.height, 10);
    EXPECT_EQ(scriptFontFor(9, 20).width, 4);
    EXPECT_EQ(scriptFontFor(9, 20).height, 12);

    const std::vector<ScriptedRun> runs = splitScriptedText("N_2 x^3");
    ASSERT_EQ(runs.size(), 4u);
    const std::vector<PixelSize> extents = {{12, 18}, {6, 11}, {10, 18}, {6, 11}};
    const PixelRect rect{100, 272, 500, 293};
    const ScriptedLayout layout = layoutScriptedRuns(runs, extents, 0, 16, 18, rect, 0);
    EXPECT_EQ(layout.block.width, 12 + 6 + 10 + 6);
    EXPECT_EQ(layout.block.height, 18 + 2 * (16 / 6));
    EXPECT_EQ(layout.start.x, 100);
    EXPECT_EQ(layout.start.y, 272 + 21 / 2 + 22 / 2);
    ASSERT_EQ(layout.positions.size(), 4u);
    const int y = layout.start.y;
    EXPECT_EQ(layout.positions[0].x, 100);
    EXPECT_EQ(layout.positions[0].y, y);
    // Lowered by h / 6 = 2, raised by h / 3 = 5.
    EXPECT_EQ(layout.positions[1].x, 112);
    EXPECT_EQ(layout.positions[1].y, y + 2);
    EXPECT_EQ(layout.positions[2].x, 118);
    EXPECT_EQ(layout.positions[2].y, y);
    EXPECT_EQ(layout.positions[3].x, 128);
    EXPECT_EQ(layout.positions[3].y, y - 5);

    // A base font with a width shifts scripted characters right by w / 2.
    const ScriptedLayout wide = layoutScriptedRuns(runs, extents, 8, 16, 18, rect, 0);
    EXPECT_EQ(wide.block.width, 12 + 6 + 4 + 10 + 6 + 4);
    EXPECT_EQ(wide.positions[1].x, 100 + 12 + 4);
    EXPECT_EQ(wide.positions[2].x, 100 + 12 + 6 + 4);
    EXPECT_EQ(wide.positions[3].x, 100 + 12 + 6 + 4 + 10 + 4);
}

TEST(ScriptedTextLayout, AlignmentAndNoPlainRun) {
    const std::vector<ScriptedRun> runs = splitScriptedText("ab");
    const std::vector<PixelSize> extents = {{40, 18}};
    const PixelRect rect{10, 0, 110, 30};
    EXPECT_EQ(layoutScriptedRuns(runs, extents, 0, 16, 18, rect, 1).start.x, 10 + 50 - 20);
    EXPECT_EQ(layoutScriptedRuns(runs, extents, 0, 16, 18, rect, 2).start.x, 110 - 40);
    EXPECT_EQ(layoutScriptedRuns(runs, extents, 0, 16, 18, rect, 7).start.x, 10);

    // Only a scripted character: the base font's cell height stands in.
    const std::vector<ScriptedRun> alone = splitScriptedText("^3");
    const ScriptedLayout layout = layoutScriptedRuns(alone, {{6, 11}}, 0, 16, 19, rect, 0);
    EXPECT_EQ(layout.block.height, 19 + 4);
    EXPECT_EQ(layout.positions[0].y, layout.start.y - 5);
}
