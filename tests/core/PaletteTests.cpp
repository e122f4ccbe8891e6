#include "ui/look/Palette.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Seven distinct system colours, none of them one of the program's own.
constexpr SystemColours kSystem{
    paletteColour(1, 1, 1), paletteColour(2, 2, 2), paletteColour(3, 3, 3), paletteColour(4, 4, 4),
    paletteColour(5, 5, 5), paletteColour(6, 6, 6), paletteColour(7, 7, 7)};

using Pair = std::pair<std::uint32_t, std::uint32_t>; // background, text

// Every background and the text drawn on it, as the windows pair them.
std::vector<Pair> drawnPairs(const Palette& p) {
    return {{p.page, p.pageText},
            {p.headerBand, p.pageText},
            {p.page, p.panelFrameLight},
            {p.page, p.panelFrameDark},
            {p.markerFill, p.markerLetter},
            {p.fieldBackground, p.fieldText},
            {p.selectorFocusFill, p.selectorFocusText},
            {p.buttonFace, p.buttonText},
            {p.resultsRowBack, p.resultsRowText},
            {p.resultsSelectedBack, p.resultsSelectedText},
            {p.resultsHeaderBack, p.resultsCaptionText},
            {p.linkBackground, p.linkUnvisited},
            {p.linkBackground, p.linkVisited},
            {p.linkBackground, p.linkHover}};
}

} // namespace

TEST(Palette, HighContrastDrawsOnlyTheSystemsOwnPairs) {
    const Palette p = resolvePalette(true, kSystem);
    EXPECT_TRUE(p.systemColours);
    const std::vector<Pair> systemPairs = {{kSystem.window, kSystem.windowText},
                                           {kSystem.highlight, kSystem.highlightText},
                                           {kSystem.buttonFace, kSystem.buttonText},
                                           {kSystem.window, kSystem.hotLight}};
    int index = 0;
    for (const Pair& drawn : drawnPairs(p)) {
        bool isSystemPair = false;
        for (const Pair& system : systemPairs) {
            isSystemPair = isSystemPair || drawn == system;
        }
        EXPECT_TRUE(isSystemPair) << "pair " << index << ": " << drawn.first << " / "
                                  << drawn.second;
        ++index;
    }
    // What marks the recommendation and the focus is the highlight, not a
    // surface colour.
    EXPECT_EQ(p.resultsSelectedBack, kSystem.highlight);
    EXPECT_EQ(p.selectorFocusFill, kSystem.highlight);
    EXPECT_EQ(p.linkUnvisited, kSystem.hotLight);
}

TEST(Palette, WithoutHighContrastTheProgramsOwnColoursStay) {
    const Palette p = resolvePalette(false, kSystem);
    EXPECT_FALSE(p.systemColours);
    EXPECT_EQ(drawnPairs(p), drawnPairs(NORMAL_PALETTE));
}
