#include "ui/controls/LookFont.h"

#include "win32/Drawing.h"

namespace {
constexpr int LOOK_FONT_WEIGHT = 400;
// Variable pitch, Swiss family: should a system have no "Arial", the font
// mapper falls back to its sans-serif face instead of a monospaced one.
constexpr int LOOK_FONT_PITCH = VARIABLE_PITCH | FF_SWISS;
} // namespace

HFONT lookFont(int height, int width) {
    static FontSet fonts;
    return fonts.get({L"Arial", height, width, LOOK_FONT_WEIGHT, LOOK_FONT_PITCH});
}
