#pragma once
// Where the main window's controls go and where its page is painted, for a
// client area of W x H pixels at the window's DPI. Only the right-hand inset R
// and the picture scale with the window; every control, frame and text sits
// at a fixed offset from the left, top, right or bottom edge.
//
// Every offset, size, line width and font height here is a figure at 96 DPI,
// which this layout turns into the window's pixels through the DpiScale it is
// given (units/DpiScale.h), once, in the functions below: the painter and
// the window read the scaled results. At 96 DPI the scale changes nothing.
#include "ui/look/TextHeights.h"
#include "ui/main/rules/PicturePlacement.h"
#include "units/DpiScale.h"

#include <array>

// W / 15 once the client is at least 700 pixels wide (scaled), else 0: the
// inset is the same share of the client at every DPI.
int rightInset(int clientWidth, DpiScale scale = {});

// P, the left edge of the two panels: W - 330 - R.
int panelLeft(int clientWidth, int rightInset, DpiScale scale = {});

// X, the left edge of the selector and the fields: W - 110 - R.
int fieldColumn(int clientWidth, int rightInset, DpiScale scale = {});

// A panel's frame: two outlines one line wide (one pixel at 96 DPI), the
// second one line further out at the left, one line lower at the top and one
// line further out at the right and the bottom.
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

// The heights of the page's texts at 96 DPI (cell heights in pixels, "Arial").
constexpr int PRODUCT_NAME_HEIGHT = 32;
constexpr int HEADER_TEXT_HEIGHT = 14;
constexpr int PANEL_TITLE_HEIGHT = 20;
constexpr int CAPTION_HEIGHT = 16;
constexpr int HINT_HEIGHT = 14;
constexpr int FLOW_LINE_HEIGHT = 16; // the flow line's plain text; its subscript follows it

// The logo's size at 96 DPI.
constexpr PixelSize LOGO_SIZE{99, 26};

constexpr int CAPTION_ROWS = 5;
constexpr int CAPTION_MARKERS = 4;

// The sizes the page is painted with, at the layout's DPI.
struct PageSizes {
    int productNameHeight = PRODUCT_NAME_HEIGHT;
    int headerTextHeight = HEADER_TEXT_HEIGHT;
    int panelTitleHeight = PANEL_TITLE_HEIGHT;
    int captionHeight = CAPTION_HEIGHT;
    int hintHeight = HINT_HEIGHT;
    int flowLineHeight = FLOW_LINE_HEIGHT;
    int markerDiameter = MARKER_DIAMETER;
    int frameLine = 1; // the width of a panel frame's outline
    PixelSize logo = LOGO_SIZE;
};

// Everything the page paint places, in client coordinates.
struct PageGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int rightInset = 0;
    DpiScale scale; // the DPI the page is laid out for
    PageSizes sizes;
    PixelRect page;       // the whole client area, white
    PixelRect headerBand; // yellow
    PixelPoint logo;      // left-top of the logo, drawn at sizes.logo
    PixelPoint productName;
    int versionRow = 0;  // top of "Version" and the program version
    int databaseRow = 0; // top of "Database" and the database version
    PanelFrame inputPanel;
    PanelFrame recommendationPanel;
    PixelPoint inputTitle;
    PixelPoint recommendationTitle;
    PixelRect flowLine;     // the flow line is centred in this rectangle
    PixelRect flowLineClip; // and clipped to this one, which reaches down to the list
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
                                 PixelSize picture, DpiScale scale = {});

// The header's labels ("Version", "Database") start 20 pixels after the
// measured product name.
int headerLabelColumn(int productNameWidth, DpiScale scale = {});

// The header's values start 50 pixels after the labels, or further right
// where the wider label leaves less than 6 pixels before them (the opaque
// value must not cover the label's last letter).
int headerValueColumn(int productNameWidth, int versionLabelWidth, int databaseLabelWidth,
                      DpiScale scale = {});

// Where one control of the main window goes.
struct ControlPlacement {
    int controlId = 0;
    PixelRect rect;
};

constexpr int MAIN_LAYOUT_CONTROLS = 13;

// The font heights at 96 DPI of the controls the window gives a font besides
// the entry fields (TEXT_FONT_HEIGHT): the results list and the styled
// buttons' captions.
constexpr int LIST_FONT_HEIGHT = 20;
constexpr int BUTTON_FONT_HEIGHT = 16;

// What the window hands its controls at the layout's DPI besides their
// rectangles: their fonts' heights and the selector's pieces.
struct ControlSizes {
    int rowHeight = 0; // the selector's face and the fields
    int fieldFontHeight = 0;
    int listFontHeight = 0;
    int buttonFontHeight = 0;
    int selectorItemHeight = 0;  // a row of the selector's open list
    int selectorLeftWidth = 0;   // the left piece
    int selectorButtonWidth = 0; // the drop-down button
    int selectorPieceHeight = 0; // every piece (the left one, the buttons and the middle)
};

ControlSizes controlSizesAt(DpiScale scale);

struct MainLayout {
    int rightInset = 0;
    int fieldColumn = 0; // X
    int panelLeft = 0;   // P
    std::array<ControlPlacement, MAIN_LAYOUT_CONTROLS> controls{};
    ControlSizes sizes;
    PageGeometry page;
};

// The rectangles of the selector, the seven fields, the results list, the
// three buttons and the link, in this order, the controls' sizes and the
// page. Fields 1000, 1007 and 1008 are hidden; they lie 500 pixels right of
// the field column, outside the client area.
MainLayout computeMainLayout(int clientWidth, int clientHeight, PixelSize picture,
                             DpiScale scale = {});
