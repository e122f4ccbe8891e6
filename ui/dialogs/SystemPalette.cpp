#include "ui/dialogs/SystemPalette.h"

#include "win32/HighContrast.h"

#include <windows.h>

Palette systemPalette() {
    if (!highContrastOn()) {
        return NORMAL_PALETTE;
    }
    SystemColours system;
    system.window = GetSysColor(COLOR_WINDOW);
    system.windowText = GetSysColor(COLOR_WINDOWTEXT);
    system.highlight = GetSysColor(COLOR_HIGHLIGHT);
    system.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    system.buttonFace = GetSysColor(COLOR_BTNFACE);
    system.buttonText = GetSysColor(COLOR_BTNTEXT);
    system.hotLight = GetSysColor(COLOR_HOTLIGHT);
    return resolvePalette(true, system);
}
