#include "ui/main/rules/ScriptedText.h"

#include <algorithm>

namespace {

void endPlainRun(std::vector<ScriptedRun>& runs, std::string& plain) {
    if (!plain.empty()) {
        runs.push_back({ScriptKind::Plain, plain});
        plain.clear();
    }
}

} // namespace

std::vector<ScriptedRun> splitScriptedText(const std::string& text) {
    std::vector<ScriptedRun> runs;
    std::string plain;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t marker = text.find_first_of("^_", position);
        if (marker == std::string::npos) {
            plain.append(text, position, std::string::npos);
            break;
        }
        plain.append(text, position, marker - position);
        if (marker + 1 == text.size()) {
            break; // a marker at the end is dropped
        }
        const char markerChar = text[marker];
        const char next = text[marker + 1];
        if (next == markerChar) {
            plain.push_back(markerChar); // "^^" or "__": one literal marker
            position = marker + 2;
            continue;
        }
        endPlainRun(runs, plain);
        runs.push_back({markerChar == '^' ? ScriptKind::Superscript : ScriptKind::Subscript,
                        std::string(1, next)});
        position = marker + 2;
    }
    endPlainRun(runs, plain);
    return runs;
}

PixelSize scriptFontFor(int baseWidth, int baseHeight) {
    return {baseWidth / 2, (baseHeight / 3) * 2};
}

ScriptedLayout layoutScriptedRuns(const std::vector<ScriptedRun>& runs,
                                  const std::vector<PixelSize>& extents, int baseWidth,
                                  int baseHeight, int plainHeight, const PixelRect& rect,
                                  int alignment) {
    ScriptedLayout layout;
    const int shiftRight = baseWidth / 2;
    const int raise = baseHeight / 3;
    const int lower = baseHeight / 6;

    int tallestPlain = -1;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const PixelSize extent = i < extents.size() ? extents[i] : PixelSize{};
        if (runs[i].kind == ScriptKind::Plain) {
            layout.block.width += extent.width;
            tallestPlain = std::max(tallestPlain, extent.height);
        } else {
            layout.block.width += extent.width + shiftRight;
        }
    }
    if (tallestPlain < 0) {
        tallestPlain = plainHeight;
    }
    layout.block.height = tallestPlain + 2 * lower;

    const int rectWidth = rect.width();
    const int rectHeight = rect.height();
    layout.start.y = rect.top + rectHeight / 2 + layout.block.height / 2;
    switch (alignment) {
    case 1:
        layout.start.x = rect.left + rectWidth / 2 - layout.block.width / 2;
        break;
    case 2:
        layout.start.x = rect.right - layout.block.width;
        break;
    default:
        layout.start.x = rect.left;
        break;
    }

    int x = layout.start.x;
    const int y = layout.start.y;
    layout.positions.reserve(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const PixelSize extent = i < extents.size() ? extents[i] : PixelSize{};
        switch (runs[i].kind) {
        case ScriptKind::Plain:
            layout.positions.push_back({x, y});
            x += extent.width;
            break;
        case ScriptKind::Superscript:
            layout.positions.push_back({x + shiftRight, y - raise});
            x += extent.width + shiftRight;
            break;
        case ScriptKind::Subscript:
            layout.positions.push_back({x + shiftRight, y + lower});
            x += extent.width + shiftRight;
            break;
        }
    }
    return layout;
}
