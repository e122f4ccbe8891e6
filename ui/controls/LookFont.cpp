#include "ui/controls/LookFont.h"

#include "win32/Drawing.h"

namespace {
constexpr int LOOK_FONT_WEIGHT = 400;
constexpr int LOOK_FONT_PITCH = 1;
} // namespace

HFONT lookFont(int height, int width) {
    static FontSet fonts;
    return fonts.get({L"Arial", height, width, LOOK_FONT_WEIGHT, LOOK_FONT_PITCH});
}
