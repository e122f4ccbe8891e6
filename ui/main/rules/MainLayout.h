#pragma once
// Where the main window's controls go and where its page is painted, for a
// client area of W x H pixels. Only the right-hand inset R and the picture
// scale with the window; every control, frame and text sits at a fixed
// offset from the left, top, right or bottom edge.
#include "ui/main/rules/PicturePlacement.h"

#include <array>

// W / 15 once the client is at least 700 pixels wide, else 0.
int rightInset(int clientWidth);

// P, the left edge of the two panels: W - 330 - R.
int panelLeft(int clientWidth, int rightInset);

// X, the left edge of the selector and the fields: W - 110 - R.
int fieldColumn(int clientWidth, int rightInset);

// A panel's frame: two one-pixel outlines, the second one pixel further out
// at the left, one pixel lower at the top and one pixel further out at the
// right and the bottom.
struct PanelFrame {
    PixelRect outer;
    PixelRect inner;
};

// The picture: its left-top corner, the factor it is drawn at and its drawn
// size.
struct PagePicture {
    PixelPoint origin;
    double scale = 0.0;
    PixelSize size;
};

// The heights of the page's texts (cell heights in pixels, "Arial").
constexpr int PRODUCT_NAME_HEIGHT = 32;
constexpr int HEADER_TEXT_HEIGHT = 14;
constexpr int PANEL_TITLE_HEIGHT = 20;
constexpr int CAPTION_HEIGHT = 16;
constexpr int HINT_HEIGHT = 14;

constexpr int CAPTION_ROWS = 5;
constexpr int CAPTION_MARKERS = 4;

// Everything the page paint places, in client coordinates.
struct PageGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int rightInset = 0;
    PixelRect page;       // the whole client area, white
    PixelRect headerBand; // yellow
    PixelPoint logo;      // left-top of the logo, drawn at its own size
    PixelPoint productName;
    int versionRow = 0;  // top of "Version" and the program version
    int databaseRow = 0; // top of "Database" and the database version
    PanelFrame inputPanel;
    PanelFrame recommendationPanel;
    PixelPoint inputTitle;
    PixelPoint recommendationTitle;
    PixelRect flowLine;
    PixelPoint hint;
    int captionColumn = 0;
    int unitColumn = 0;
    std::array<int, CAPTION_ROWS> captionRows{};
    std::array<PixelPoint, CAPTION_MARKERS> captionMarkers{};
    PagePicture picture;
    std::array<PixelPoint, PICTURE_POINT_COUNT> pictureMarkers{};
};

// The page of a W x H client with inset R and a picture of the given size in
// its own pixels.
PageGeometry computePageGeometry(int clientWidth, int clientHeight, int rightInset,
                                 PixelSize picture);

// The header's labels ("Version", "Database") start 20 pixels after the
// measured product name.
int headerLabelColumn(int productNameWidth);

// The header's values start 50 pixels after the labels, or further right
// where the wider label leaves less than 6 pixels before them (the opaque
// value must not cover the label's last letter).
int headerValueColumn(int productNameWidth, int versionLabelWidth, int databaseLabelWidth);

// Where one control of the main window goes.
struct ControlPlacement {
    int controlId = 0;
    PixelRect rect;
};

constexpr int MAIN_LAYOUT_CONTROLS = 13;

struct MainLayout {
    int rightInset = 0;
    int fieldColumn = 0; // X
    int panelLeft = 0;   // P
    std::array<ControlPlacement, MAIN_LAYOUT_CONTROLS> controls{};
    PageGeometry page;
};

// The rectangles of the selector, the seven fields, the results list, the
// three buttons and the link, in this order, and the page. Fields 1000, 1007
// and 1008 are hidden; they lie 500 pixels right of the field column, outside
// the client area.
MainLayout computeMainLayout(int clientWidth, int clientHeight, PixelSize picture);
