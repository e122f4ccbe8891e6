#include "ui/main/rules/ButtonShade.h"

#include <gtest/gtest.h>

namespace {
const ShadeColour kBlue{0, 130, 197};
const ShadeColour kBlend{6, 79, 190};
} // namespace

TEST(ButtonShadePalette, ThreeColourGradient) {
    const ShadeColour left{255, 0, 0};
    const ShadeColour middle{0, 255, 0};
    const ShadeColour right{0, 0, 255};
    const ShadePalette palette = makeShadePalette(left, middle, right);
    EXPECT_EQ(palette[0], right);
    EXPECT_EQ(palette[255], left);
    // Entry 64 is halfway from right to middle; entry 128 is written twice,
    // and the second loop's first step wins.
    EXPECT_EQ(palette[64], (ShadeColour{0, 127, 127}));
    EXPECT_EQ(palette[127], (ShadeColour{0, (127 * 255) / 128, 255 / 128}));
    EXPECT_EQ(palette[128], (ShadeColour{255 / 128, (127 * 255) / 128, 0}));
    EXPECT_EQ(palette[191], (ShadeColour{(64 * 255) / 128, (64 * 255) / 128, 0}));

    // The main window's buttons: one colour everywhere, and blending by 0 %
    // keeps it.
    ShadePalette flat = makeShadePalette(kBlue, kBlue, kBlue);
    blendShadePalette(flat, kBlend, 0);
    for (const ShadeColour& entry : flat) {
        EXPECT_EQ(entry, kBlue);
    }
}

TEST(ButtonShadePalette, BlendPercentClamped) {
    ShadePalette palette = makeShadePalette(kBlue, kBlue, kBlue);
    blendShadePalette(palette, kBlend, 50);
    EXPECT_EQ(palette[10], (ShadeColour{3, (130 + 79) / 2, (197 + 190) / 2}));

    ShadePalette full = makeShadePalette(kBlue, kBlue, kBlue);
    blendShadePalette(full, kBlend, 250);
    EXPECT_EQ(full[200], kBlend);

    ShadePalette none = makeShadePalette(kBlue, kBlue, kBlue);
    blendShadePalette(none, kBlend, -40);
    EXPECT_EQ(none[200], kBlue);
}

TEST(ButtonShadeFace, IndexPerColumn) {
    // Granularity 0: from 255 at the left edge falling toward 0; rand()
    // values below 32767 add nothing.
    EXPECT_EQ(shadeFaceIndex(0, 80, 0, 0), 255);
    EXPECT_EQ(shadeFaceIndex(40, 80, 0, 12345), 127);
    EXPECT_EQ(shadeFaceIndex(79, 80, 0, 32766), 3);
    // rand() == 32767 would give 256 at the left edge: kept inside the palette.
    EXPECT_EQ(shadeFaceIndex(0, 80, 0, 32767), 255);
    EXPECT_EQ(shadeFaceIndex(79, 80, 0, 32767), 4);
    // Granularity 10: 10 .. 245 plus noise of -10 (rand() 0) .. +10 (32767).
    EXPECT_EQ(shadeFaceIndex(0, 100, 10, 0), 245 - 10);
    EXPECT_EQ(shadeFaceIndex(0, 100, 10, 16384), 245);
    EXPECT_EQ(shadeFaceIndex(99, 100, 10, 0), 2);
    EXPECT_EQ(shadeFaceIndex(99, 100, 10, 32767), 22);
    // Degenerate sizes and granularities never leave 0 .. 255 or divide by 0.
    EXPECT_EQ(shadeFaceIndex(0, 0, 0, 0), 0);
    EXPECT_GE(shadeFaceIndex(0, 10, 200, 32767), 0);
    EXPECT_LE(shadeFaceIndex(0, 10, 200, 32767), 255);
    EXPECT_LE(shadeFaceIndex(0, 10, 40000, 32767), 255);
    EXPECT_GE(shadeFaceIndex(9, 10, -300, 0), 0);
}

TEST(ButtonShadeFace, Faces) {
    ShadeParameters parameters;
    parameters.left = {255, 255, 255};
    parameters.middle = {128, 128, 128};
    parameters.right = {0, 0, 0};
    parameters.blendColour = kBlend;
    parameters.highlight = 100;
    int calls = 0;
    const ShadeFaces faces = makeShadeFaces(parameters, 80, [&calls] {
        ++calls;
        return 0;
    });
    EXPECT_EQ(calls, 80);
    ASSERT_EQ(faces.columnIndices.size(), 80u);
    EXPECT_EQ(faces.columnIndices.front(), 255);
    for (std::size_t x = 1; x < faces.columnIndices.size(); ++x) {
        EXPECT_LE(faces.columnIndices[x], faces.columnIndices[x - 1]);
    }
    EXPECT_EQ(faces.facePalette[0], parameters.right);
    // Hover blended fully toward the left colour.
    EXPECT_EQ(faces.hoverPalette[0], parameters.left);
}

TEST(ButtonShadeFocusRing, ContrastAndRingColour) {
    const ShadeColour white{255, 255, 255};
    const ShadeColour black{0, 0, 0};
    // The published WCAG ratio of #777777 on white.
    EXPECT_NEAR(contrastRatio(white, {119, 119, 119}), 4.48, 0.01);
    const auto ringOver = [](const ShadeParameters& parameters, const ShadeColour& caption) {
        return focusRingColour(makeShadeFaces(parameters, 80, [] { return 0; }), caption);
    };
    // The main window's blue face: its white caption (4.2:1); a caption of
    // the face's own colour gives way to black (5.0:1).
    ShadeParameters blue;
    blue.left = blue.middle = blue.right = kBlue;
    EXPECT_EQ(ringOver(blue, white), white);
    EXPECT_EQ(ringOver(blue, kBlue), black);
    // (Every column of a gradient face counts: the styled button's test.)
    // The hover face counts too: a dark face whose hover face is white.
    ShadeParameters hover;
    hover.left = white;
    hover.blendColour = {20, 20, 20};
    hover.coloring = 100;
    hover.highlight = 100;
    EXPECT_EQ(ringOver(hover, white), black);
}

TEST(ButtonShadeCaption, WithoutAccessKey) {
    EXPECT_EQ(captionWithoutAccessKey(L"&Settings"), L"Settings");
    // "&&" shows one '&' either way; a last '&' is shown as it is.
    EXPECT_EQ(captionWithoutAccessKey(L"Save && &quit"), L"Save && quit");
    EXPECT_EQ(captionWithoutAccessKey(L"&&&Go&"), L"&&Go&");
}
