#pragma once
// Every colour the program's windows choose themselves (the main window, its
// results list, the controls it configures, the help dialog's text box),
// named by use. A colour is a 32-bit value 0x00BBGGRR, the byte
// order of a Windows colour value, so the window code passes these on as
// they are; this header itself stays free of Windows headers.
//
// The windows draw with a `Palette`: the program's own colours below, or,
// while the system's high-contrast mode is on, the system colours the user
// chose (`resolvePalette`).
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

// The web links: unvisited, visited and under the pointer.
constexpr std::uint32_t LINK_UNVISITED = paletteColour(0, 0, 238);
constexpr std::uint32_t LINK_VISITED = paletteColour(85, 26, 139);
constexpr std::uint32_t LINK_HOVER = paletteColour(255, 0, 0);

// The system colours a high-contrast palette is made of, as the system
// reports them (COLOR_WINDOW, COLOR_WINDOWTEXT, ...).
struct SystemColours {
    std::uint32_t window = 0;
    std::uint32_t windowText = 0;
    std::uint32_t highlight = 0;
    std::uint32_t highlightText = 0;
    std::uint32_t buttonFace = 0;
    std::uint32_t buttonText = 0;
    std::uint32_t hotLight = 0;
};

// The colours of one look of the program's windows.
struct Palette {
    // True for the system's colours: the windows then leave out what would
    // bring colours of their own (the list header's bitmaps).
    bool systemColours = false;

    std::uint32_t page = PAGE_WHITE;
    std::uint32_t pageText = PAGE_TEXT;
    std::uint32_t headerBand = HEADER_YELLOW;
    std::uint32_t panelFrameLight = PANEL_FRAME_LIGHT;
    std::uint32_t panelFrameDark = PANEL_FRAME_DARK;
    std::uint32_t panelInnerLight = PANEL_INNER_LIGHT;
    std::uint32_t panelInnerDark = PANEL_INNER_DARK;
    std::uint32_t markerFill = MARKER_FILL;
    std::uint32_t markerLetter = MARKER_LETTER;

    std::uint32_t fieldBackground = FIELD_BACKGROUND;
    std::uint32_t fieldText = FIELD_TEXT;
    std::uint32_t selectorFocusFill = SELECTOR_BLUE;
    std::uint32_t selectorFocusText = BUTTON_TEXT;

    std::uint32_t buttonFace = SELECTOR_BLUE;
    std::uint32_t buttonBlend = BUTTON_BLEND;
    std::uint32_t buttonText = BUTTON_TEXT;

    std::uint32_t resultsSelectedText = RESULTS_SELECTED_TEXT;
    std::uint32_t resultsSelectedBack = RESULTS_SELECTED_BACK;
    std::uint32_t resultsRowBack = RESULTS_ROW_BACK;
    std::uint32_t resultsRowText = RESULTS_ROW_TEXT;
    std::uint32_t resultsCaptionText = RESULTS_CAPTION_TEXT;
    std::uint32_t resultsHeaderBack = RESULTS_ROW_BACK;

    std::uint32_t linkBackground = PAGE_WHITE;
    std::uint32_t linkUnvisited = LINK_UNVISITED;
    std::uint32_t linkVisited = LINK_VISITED;
    std::uint32_t linkHover = LINK_HOVER;
};

// The program's own colours.
constexpr Palette NORMAL_PALETTE{};

// Under high contrast every surface takes the window colours, every marked
// item (the optimal row, the focused selector, the letter markers) the
// highlight colours, the buttons and the list header the button colours and
// the links the hot-light colour; the panel frames are drawn in the window's
// text colour so that they stay visible. Otherwise the program's own colours.
constexpr Palette resolvePalette(bool highContrast, const SystemColours& system) {
    if (!highContrast) {
        return NORMAL_PALETTE;
    }
    Palette p;
    p.systemColours = true;
    p.page = system.window;
    p.pageText = system.windowText;
    p.headerBand = system.window;
    p.panelFrameLight = system.windowText;
    p.panelFrameDark = system.windowText;
    p.panelInnerLight = system.window;
    p.panelInnerDark = system.window;
    p.markerFill = system.highlight;
    p.markerLetter = system.highlightText;
    p.fieldBackground = system.window;
    p.fieldText = system.windowText;
    p.selectorFocusFill = system.highlight;
    p.selectorFocusText = system.highlightText;
    p.buttonFace = system.buttonFace;
    p.buttonBlend = system.buttonFace;
    p.buttonText = system.buttonText;
    p.resultsSelectedText = system.highlightText;
    p.resultsSelectedBack = system.highlight;
    p.resultsRowBack = system.window;
    p.resultsRowText = system.windowText;
    p.resultsCaptionText = system.buttonText;
    p.resultsHeaderBack = system.buttonFace;
    p.linkBackground = system.window;
    p.linkUnvisited = system.hotLight;
    p.linkVisited = system.hotLight;
    p.linkHover = system.hotLight;
    return p;
}
