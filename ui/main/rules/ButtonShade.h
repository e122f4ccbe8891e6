#pragma once
// The generated faces of the styled buttons (shade style 3): a 256-entry
// palette running from the right colour through the middle colour to the left
// colour, a face whose palette index falls from 255 at the left edge to about
// 0 at the right, and the blends that tint the face and its hover variant.
#include <array>
#include <cstdint>
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

// Length of the dotted focus strips: horizontal max(width - 2 * inset - 1, 1),
// vertical max(height - 2 * inset, 1).
int focusStripLengthH(int width, int inset);
int focusStripLengthV(int height, int inset);

// The strip's indices: 0 for even pixels, 255 for odd ones.
std::vector<std::uint8_t> focusStripIndices(int length);

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
