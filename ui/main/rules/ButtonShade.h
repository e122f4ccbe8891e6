#pragma once
// The generated faces of the styled buttons (shade style 3): a 256-entry
// palette running from the right colour through the middle colour to the left
// colour, a face whose palette index falls from 255 at the left edge to about
// 0 at the right, the blends that tint the face and its hover variant, the
// colour of the focus ring drawn over them, and the caption shown while
// keyboard cues are hidden.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ShadeColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ShadeColour& a, const ShadeColour& b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};

using ShadePalette = std::array<ShadeColour, 256>;

// Entries 0..128 blend from `right` to `middle`, entries 128..255 from
// `middle` to `left` (entry 128 is the first step past `middle`), per channel
// with integer division by 128.
ShadePalette makeShadePalette(const ShadeColour& left, const ShadeColour& middle,
                              const ShadeColour& right);

// Moves every entry `percent` of the way toward `toward` (integer division by
// 100). Percentages above 100 count as 100, below 0 as 0.
void blendShadePalette(ShadePalette& palette, const ShadeColour& toward, int percent);

// The palette index of the face's column x (0 .. width - 1) for the given
// granularity and one value of the platform's rand() (0 .. 32767). The result
// always lies in 0 .. 255, also when the noise would push it outside.
int shadeFaceIndex(int x, int width, int granularity, int randomValue);

// Everything the button needs for its four face images: the row of indices
// shared by every row of the face, and the palettes of the normal face (also
// used for the disabled one) and of the hover face (also used when pressed).
struct ShadeFaces {
    std::vector<std::uint8_t> columnIndices; // one per column
    ShadePalette facePalette{};
    ShadePalette hoverPalette{};
};

struct ShadeParameters {
    int granularity = 0;
    int highlight = 0; // percent toward the left colour for the hover face
    int coloring = 0;  // percent toward blendColour for every face
    ShadeColour blendColour;
    ShadeColour left;
    ShadeColour middle;
    ShadeColour right;
};

// `randomSource` is called once per column (the platform's rand()); every
// row of a column has the same index.
template <typename RandomSource>
ShadeFaces makeShadeFaces(const ShadeParameters& parameters, int width,
                          RandomSource&& randomSource) {
    ShadeFaces faces;
    faces.facePalette = makeShadePalette(parameters.left, parameters.middle, parameters.right);
    const int columns = width > 0 ? width : 0;
    faces.columnIndices.reserve(static_cast<std::size_t>(columns));
    for (int x = 0; x < columns; ++x) {
        faces.columnIndices.push_back(static_cast<std::uint8_t>(
            shadeFaceIndex(x, width, parameters.granularity, randomSource())));
    }
    blendShadePalette(faces.facePalette, parameters.blendColour, parameters.coloring);
    faces.hoverPalette = faces.facePalette;
    blendShadePalette(faces.hoverPalette, parameters.left, parameters.highlight);
    return faces;
}

// The relative luminance of a colour with 8-bit sRGB channels, 0 (black) to
// 1 (white), as the WCAG contrast rules define it.
double relativeLuminance(const ShadeColour& colour);

// The WCAG contrast ratio of two colours: 1 (the same luminance) to 21
// (black against white).
double contrastRatio(const ShadeColour& a, const ShadeColour& b);

// The least contrast a focus ring must keep against every face colour under it.
constexpr double FOCUS_RING_MIN_CONTRAST = 3.0;

// The colour of the focus ring over the faces: the caption colour when it
// keeps at least FOCUS_RING_MIN_CONTRAST against every colour the normal and
// the hover face show (the entries of both palettes that the columns use);
// otherwise black or white, whichever keeps the larger least contrast.
ShadeColour focusRingColour(const ShadeFaces& faces, const ShadeColour& caption);

// The caption as DrawText shows it without the access key's underline: each
// '&' that marks an access key is dropped; "&&" (a shown '&') and a '&' at the
// very end, which DrawText shows as it is, stay.
std::wstring captionWithoutAccessKey(const std::wstring& caption);
