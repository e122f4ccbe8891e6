#include "ui/main/rules/MainLayout.h"

#include "resources/ResourceIds.h"

namespace {

constexpr int LOGO_WIDTH = 99;

PanelFrame panelFrame(int left, int top, int right, int bottom) {
    PanelFrame frame;
    frame.outer = {left, top, right, bottom};
    frame.inner = {left - 1, top + 1, right + 1, bottom + 1};
    return frame;
}

// A control's rectangle from its left-top corner and size, as the table
// below gives it.
ControlPlacement control(int controlId, int left, int top, int width, int height) {
    return {controlId, rectAt({left, top}, {width, height})};
}

} // namespace

int rightInset(int clientWidth) {
    return clientWidth >= 700 ? clientWidth / 15 : 0;
}

int panelLeft(int clientWidth, int rightInset) {
    return clientWidth - 330 - rightInset;
}

int fieldColumn(int clientWidth, int rightInset) {
    return clientWidth - 110 - rightInset;
}

PageGeometry computePageGeometry(int clientWidth, int clientHeight, int rightInset,
                                 PixelSize picture) {
    const int w = clientWidth;
    const int h = clientHeight;
    const int r = rightInset;
    const int p = panelLeft(w, r);
    PageGeometry page;
    page.clientWidth = w;
    page.clientHeight = h;
    page.rightInset = r;
    page.page = {0, 0, w, h};
    page.headerBand = {0, 16, w - 8, 67};
    page.logo = {w - 8 - LOGO_WIDTH, 3};
    page.productName = {4, 17};
    page.versionRow = 20;
    page.databaseRow = 34;
    page.inputPanel = panelFrame(p, 94, w - 10 - r, 225);
    page.recommendationPanel = panelFrame(p, 275, w - 10 - r, 502);
    page.inputTitle = {p, 74};
    page.recommendationTitle = {p, 255};
    page.flowLine = {p + 6, 272, w - 30 - r, 293};
    page.hint = {p + 6, 505};
    page.captionColumn = w - 290 - r;
    page.unitColumn = w - 50 - r;
    for (int i = 0; i < CAPTION_ROWS; ++i) {
        page.captionRows[static_cast<std::size_t>(i)] = 100 + 25 * i;
    }
    for (int i = 0; i < CAPTION_MARKERS; ++i) {
        page.captionMarkers[static_cast<std::size_t>(i)] = captionMarkerPosition(i, w, r);
    }
    page.picture.origin = {PICTURE_LEFT, PICTURE_TOP};
    page.picture.scale = pictureScale(picture.width, picture.height, w, h, r, PICTURE_TOP);
    page.picture.size = scaledPictureSize(picture.width, picture.height, page.picture.scale);
    for (int i = 0; i < PICTURE_POINT_COUNT; ++i) {
        page.pictureMarkers[static_cast<std::size_t>(i)] =
            pictureMarkerPosition(PICTURE_POINTS[i], page.picture.scale);
    }
    return page;
}

int headerLabelColumn(int productNameWidth) {
    return productNameWidth + 20;
}

int headerValueColumn(int productNameWidth, int versionLabelWidth, int databaseLabelWidth) {
    const int widest = versionLabelWidth > databaseLabelWidth ? versionLabelWidth : databaseLabelWidth;
    return widest + 6 > 50 ? headerLabelColumn(productNameWidth) + widest + 6
                           : productNameWidth + 70;
}

MainLayout computeMainLayout(int clientWidth, int clientHeight, PixelSize picture) {
    const int w = clientWidth;
    const int h = clientHeight;
    MainLayout layout;
    layout.rightInset = rightInset(w);
    const int r = layout.rightInset;
    const int x = fieldColumn(w, r);
    const int p = panelLeft(w, r);
    layout.fieldColumn = x;
    layout.panelLeft = p;
    layout.controls = {{
        control(IDC_MAIN_REFRIGERANT, x, 100, 80, 21),
        control(IDC_MAIN_HEAT_LOAD, x, 125, 50, 21),
        control(IDC_MAIN_EVAP_TEMP, x, 150, 50, 21),
        control(IDC_MAIN_COND_TEMP, x, 175, 50, 21),
        control(IDC_MAIN_RETURN_GAS_TEMP, x, 200, 50, 21),
        control(IDC_MAIN_UNUSED_1000, x + 500, 125, 50, 21),
        control(IDC_MAIN_UNUSED_1007, x + 500, 225, 50, 21),
        control(IDC_MAIN_AMBIENT_TEMP, x + 500, 225, 50, 21),
        control(IDC_MAIN_RESULTS, p + 6, 295, (w - 10 - r) - (p + 6) - 6, 201),
        control(IDC_MAIN_SETTINGS, w - 95, h - 35, 80, 25),
        control(IDC_MAIN_PRINT, w - 185, h - 35, 80, 25),
        control(IDC_MAIN_HELP, w - 275, h - 35, 80, 25),
        control(IDC_MAIN_HOMEPAGE, 10, h - 35, 300, 21),
    }};
    layout.page = computePageGeometry(w, h, r, picture);
    return layout;
}
