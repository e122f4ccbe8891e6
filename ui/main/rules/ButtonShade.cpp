#include "ui/main/rules/ButtonShade.h"

#include <algorithm>
#include <cmath>

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

double relativeLuminance(const ShadeColour& colour) {
    const auto linear = [](int channel) {
        const double c = std::clamp(channel, 0, 255) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double contrastRatio(const ShadeColour& a, const ShadeColour& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

ShadeColour focusRingColour(const ShadeFaces& faces, const ShadeColour& caption) {
    // The least contrast of a candidate against every face colour shown.
    const auto leastContrast = [&faces](const ShadeColour& candidate) {
        double least = 21.0;
        for (const std::uint8_t index : faces.columnIndices) {
            least = std::min({least, contrastRatio(candidate, faces.facePalette[index]),
                              contrastRatio(candidate, faces.hoverPalette[index])});
        }
        return least;
    };
    if (leastContrast(caption) >= FOCUS_RING_MIN_CONTRAST) {
        return caption;
    }
    const ShadeColour black{0, 0, 0};
    const ShadeColour white{255, 255, 255};
    return leastContrast(white) >= leastContrast(black) ? white : black;
}

std::wstring captionWithoutAccessKey(const std::wstring& caption) {
    std::wstring shown;
    shown.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) {
            if (caption[i + 1] == L'&') {
                shown += L"&&";
            } else {
                shown += caption[i + 1];
            }
            ++i;
        } else {
            shown += caption[i];
        }
    }
    return shown;
}
