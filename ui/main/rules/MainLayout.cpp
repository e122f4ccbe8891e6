#include "ui/main/rules/MainLayout.h"

#include "resources/ResourceIds.h"

namespace {

// At 96 DPI: the height of the selector's face and the fields, and the top
// of the results list.
constexpr int ROW_HEIGHT = 21;
constexpr int LIST_TOP = 295;
// The selector's left piece and its buttons (resources 134 to 137; the
// middle is as high), and the rows of its open list.
constexpr PixelSize SELECTOR_LEFT{2, 24};
constexpr PixelSize SELECTOR_BUTTON{20, 24};
constexpr int SELECTOR_ITEM_HEIGHT = 20;

// Both outlines `line` pixels wide.
PanelFrame panelFrame(int left, int top, int right, int bottom, int line) {
    PanelFrame frame;
    frame.outer = {left, top, right, bottom};
    frame.inner = {left - line, top + line, right + line, bottom + line};
    return frame;
}

// A control's rectangle from its left-top corner and size, as the table
// below gives it.
ControlPlacement control(int controlId, int left, int top, int width, int height) {
    return {controlId, rectAt({left, top}, {width, height})};
}

PageSizes pageSizes(DpiScale s) {
    return {s(PRODUCT_NAME_HEIGHT), s(HEADER_TEXT_HEIGHT), s(PANEL_TITLE_HEIGHT),
            s(CAPTION_HEIGHT), s(HINT_HEIGHT), s(FLOW_LINE_HEIGHT), s(MARKER_DIAMETER), s(1),
            {s(LOGO_SIZE.width), s(LOGO_SIZE.height)}};
}

} // namespace

int rightInset(int clientWidth, DpiScale scale) {
    return clientWidth >= scale(700) ? clientWidth / 15 : 0;
}

int panelLeft(int clientWidth, int rightInset, DpiScale scale) {
    return clientWidth - scale(330) - rightInset;
}

int fieldColumn(int clientWidth, int rightInset, DpiScale scale) {
    return clientWidth - scale(110) - rightInset;
}

PageGeometry computePageGeometry(int clientWidth, int clientHeight, int rightInset,
                                 PixelSize picture, DpiScale scale) {
    const DpiScale s = scale;
    const int w = clientWidth;
    const int h = clientHeight;
    const int r = rightInset;
    const int p = panelLeft(w, r, s);
    PageGeometry page;
    page.clientWidth = w;
    page.clientHeight = h;
    page.rightInset = r;
    page.scale = s;
    page.sizes = pageSizes(s);
    const int line = page.sizes.frameLine;
    page.page = {0, 0, w, h};
    page.headerBand = {0, s(16), w - s(8), s(67)};
    page.logo = {page.headerBand.right - page.sizes.logo.width, s(3)};
    page.productName = {s(4), s(17)};
    page.versionRow = s(20);
    page.databaseRow = s(34);
    page.inputPanel = panelFrame(p, s(94), w - s(10) - r, s(225), line);
    page.recommendationPanel = panelFrame(p, s(275), w - s(10) - r, s(502), line);
    page.inputTitle = {p, s(74)};
    page.recommendationTitle = {p, s(255)};
    page.flowLine = {p + s(6), s(272), w - s(30) - r, s(293)};
    // Nothing of the page lies between the flow line and the list: a
    // lowered character that the rounded sizes of a higher DPI push below
    // the line is not cut off.
    page.flowLineClip = {page.flowLine.left, page.flowLine.top, page.flowLine.right, s(LIST_TOP)};
    page.hint = {p + s(6), s(505)};
    page.captionColumn = w - s(290) - r;
    page.unitColumn = w - s(50) - r;
    for (int i = 0; i < CAPTION_ROWS; ++i) {
        page.captionRows[static_cast<std::size_t>(i)] = s(100 + 25 * i);
    }
    for (int i = 0; i < CAPTION_MARKERS; ++i) {
        page.captionMarkers[static_cast<std::size_t>(i)] = captionMarkerPosition(i, w, r, s);
    }
    page.picture.origin = {s(PICTURE_LEFT), s(PICTURE_TOP)};
    page.picture.scale =
        pictureScale(picture.width, picture.height, w, h, r, page.picture.origin.y, s);
    page.picture.size = scaledPictureSize(picture.width, picture.height, page.picture.scale);
    for (int i = 0; i < PICTURE_POINT_COUNT; ++i) {
        page.pictureMarkers[static_cast<std::size_t>(i)] =
            pictureMarkerPosition(PICTURE_POINTS[i], page.picture.scale, page.picture.origin);
    }
    return page;
}

int headerLabelColumn(int productNameWidth, DpiScale scale) {
    return productNameWidth + scale(20);
}

int headerValueColumn(int productNameWidth, int versionLabelWidth, int databaseLabelWidth,
                      DpiScale scale) {
    const int widest = versionLabelWidth > databaseLabelWidth ? versionLabelWidth : databaseLabelWidth;
    return widest + scale(6) > scale(50)
               ? headerLabelColumn(productNameWidth, scale) + widest + scale(6)
               : productNameWidth + scale(70);
}

ControlSizes controlSizesAt(DpiScale scale) {
    const DpiScale s = scale;
    return {s(ROW_HEIGHT), s(TEXT_FONT_HEIGHT), s(LIST_FONT_HEIGHT), s(BUTTON_FONT_HEIGHT),
            s(SELECTOR_ITEM_HEIGHT), s(SELECTOR_LEFT.width), s(SELECTOR_BUTTON.width),
            s(SELECTOR_BUTTON.height)};
}

MainLayout computeMainLayout(int clientWidth, int clientHeight, PixelSize picture, DpiScale scale) {
    const DpiScale s = scale;
    const int w = clientWidth;
    const int h = clientHeight;
    MainLayout layout;
    layout.rightInset = rightInset(w, s);
    const int r = layout.rightInset;
    const int x = fieldColumn(w, r, s);
    const int p = panelLeft(w, r, s);
    layout.fieldColumn = x;
    layout.panelLeft = p;
    const int listLeft = p + s(6);
    layout.controls = {{
        control(IDC_MAIN_REFRIGERANT, x, s(100), s(80), s(ROW_HEIGHT)),
        control(IDC_MAIN_HEAT_LOAD, x, s(125), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_EVAP_TEMP, x, s(150), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_COND_TEMP, x, s(175), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_RETURN_GAS_TEMP, x, s(200), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_UNUSED_1000, x + s(500), s(125), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_UNUSED_1007, x + s(500), s(225), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_AMBIENT_TEMP, x + s(500), s(225), s(50), s(ROW_HEIGHT)),
        control(IDC_MAIN_RESULTS, listLeft, s(LIST_TOP), (w - s(10) - r) - listLeft - s(6), s(201)),
        control(IDC_MAIN_SETTINGS, w - s(95), h - s(35), s(80), s(25)),
        control(IDC_MAIN_PRINT, w - s(185), h - s(35), s(80), s(25)),
        control(IDC_MAIN_HELP, w - s(275), h - s(35), s(80), s(25)),
        control(IDC_MAIN_HOMEPAGE, s(10), h - s(35), s(300), s(ROW_HEIGHT)),
    }};
    layout.sizes = controlSizesAt(s);
    layout.page = computePageGeometry(w, h, r, picture, s);
    return layout;
}
