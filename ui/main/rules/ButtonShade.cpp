#include "ui/main/rules/ButtonShade.h"

#include <algorithm>

namespace {

ShadeColour blend(const ShadeColour& from, int fromWeight, const ShadeColour& to, int toWeight,
                  int divisor) {
    return {(from.red * fromWeight + to.red * toWeight) / divisor,
            (from.green * fromWeight + to.green * toWeight) / divisor,
            (from.blue * fromWeight + to.blue * toWeight) / divisor};
}

} // namespace

ShadePalette makeShadePalette(const ShadeColour& left, const ShadeColour& middle,
                              const ShadeColour& right) {
    ShadePalette palette{};
    for (int i = 0; i <= 128; ++i) {
        palette[static_cast<std::size_t>(i)] = blend(right, 128 - i, middle, i, 128);
    }
    for (int i = 1; i <= 128; ++i) {
        palette[static_cast<std::size_t>(127 + i)] = blend(middle, 128 - i, left, i, 128);
    }
    return palette;
}

void blendShadePalette(ShadePalette& palette, const ShadeColour& toward, int percent) {
    const int p = std::clamp(percent, 0, 100);
    for (ShadeColour& entry : palette) {
        entry = blend(entry, 100 - p, toward, p, 100);
    }
}

int shadeFaceIndex(int x, int width, int granularity, int randomValue) {
    if (width <= 0) {
        return 0;
    }
    const int g = granularity;
    const int spread = std::max(1, 2 * g);
    const int noise = randomValue / std::max(1, 32767 / spread) - g;
    const long long index = static_cast<long long>(width - x) * (255 - 2 * g) / width + g + noise;
    return static_cast<int>(std::clamp<long long>(index, 0, 255));
}

int focusStripLengthH(int width, int inset) {
    return std::max(width - 2 * inset - 1, 1);
}

int focusStripLengthV(int height, int inset) {
    return std::max(height - 2 * inset, 1);
}

std::vector<std::uint8_t> focusStripIndices(int length) {
    std::vector<std::uint8_t> strip(static_cast<std::size_t>(std::max(length, 0)));
    for (std::size_t n = 0; n < strip.size(); ++n) {
        strip[n] = (n % 2 == 0) ? 0 : 255;
    }
    return strip;
}
