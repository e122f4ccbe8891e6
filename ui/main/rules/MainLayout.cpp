#include "ui/main/rules/MainLayout.h"

#include "resources/ResourceIds.h"

int rightInset(int clientWidth) {
    return clientWidth >= 700 ? clientWidth / 15 : 0;
}

MainLayout computeMainLayout(int clientWidth, int clientHeight) {
    const int w = clientWidth;
    const int h = clientHeight;
    MainLayout layout;
    layout.rightInset = rightInset(w);
    const int r = layout.rightInset;
    const int x = w - 110 - r;
    const int p = w - 330 - r;
    layout.fieldColumn = x;
    layout.panelLeft = p;
    layout.controls = {{
        {IDC_MAIN_REFRIGERANT, x, 100, 80, 21},
        {IDC_MAIN_HEAT_LOAD, x, 125, 50, 21},
        {IDC_MAIN_EVAP_TEMP, x, 150, 50, 21},
        {IDC_MAIN_COND_TEMP, x, 175, 50, 21},
        {IDC_MAIN_RETURN_GAS_TEMP, x, 200, 50, 21},
        {IDC_MAIN_UNUSED_1000, x + 500, 125, 50, 21},
        {IDC_MAIN_UNUSED_1007, x + 500, 225, 50, 21},
        {IDC_MAIN_AMBIENT_TEMP, x + 500, 225, 50, 21},
        {IDC_MAIN_RESULTS, p + 6, 295, (w - 10 - r) - (p + 6) - 6, 201},
        {IDC_MAIN_SETTINGS, w - 95, h - 35, 80, 25},
        {IDC_MAIN_PRINT, w - 185, h - 35, 80, 25},
        {IDC_MAIN_HELP, w - 275, h - 35, 80, 25},
        {IDC_MAIN_HOMEPAGE, 10, h - 35, 300, 21},
    }};
    return layout;
}
