#pragma once
// Every colour the program's windows choose themselves (the main window, its
// results list, the controls it configures, the help dialog's text box),
// named by use. A colour is a 32-bit value 0x00BBGGRR, the byte
// order of a Windows colour value, so the window code passes these on as
// they are; this header itself stays free of Windows headers.
#include <cstdint>

constexpr std::uint32_t paletteColour(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 0xFF) |
           (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}

// The page.
constexpr std::uint32_t PAGE_WHITE = paletteColour(255, 255, 255);
constexpr std::uint32_t HEADER_YELLOW = paletteColour(252, 217, 0);
constexpr std::uint32_t PAGE_TEXT = paletteColour(30, 30, 30);
constexpr std::uint32_t PANEL_FRAME_LIGHT = paletteColour(217, 226, 234);
constexpr std::uint32_t PANEL_FRAME_DARK = paletteColour(167, 188, 207);
constexpr std::uint32_t PANEL_INNER_LIGHT = paletteColour(238, 241, 245);
constexpr std::uint32_t PANEL_INNER_DARK = paletteColour(236, 240, 244);
constexpr std::uint32_t MARKER_FILL = paletteColour(244, 127, 76);
constexpr std::uint32_t MARKER_LETTER = paletteColour(0, 0, 0);

// The input fields and the refrigerant selector.
constexpr std::uint32_t FIELD_BACKGROUND = paletteColour(242, 246, 251);
constexpr std::uint32_t FIELD_TEXT = paletteColour(0, 0, 0);
constexpr std::uint32_t SELECTOR_BLUE = paletteColour(0, 130, 197);

// The styled buttons.
constexpr std::uint32_t BUTTON_BLEND = paletteColour(6, 79, 190);
constexpr std::uint32_t BUTTON_TEXT = paletteColour(255, 255, 255);

// The results list: the selected row black on the header band's yellow, the
// other rows black on the fields' background; the column captions white.
constexpr std::uint32_t RESULTS_SELECTED_TEXT = paletteColour(0, 0, 0);
constexpr std::uint32_t RESULTS_SELECTED_BACK = HEADER_YELLOW;
constexpr std::uint32_t RESULTS_ROW_BACK = FIELD_BACKGROUND;
constexpr std::uint32_t RESULTS_ROW_TEXT = paletteColour(0, 0, 0);
constexpr std::uint32_t RESULTS_CAPTION_TEXT = paletteColour(255, 255, 255);
