#pragma once
// Resource and control identifiers. Shared by the .rc files (windres) and the
// C++ code, so this header holds #defines only.

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDD_SETTINGS 133
#define IDD_HELP 152

// Icons, strings, menu commands
#define IDI_APPLICATION_ICON 128
#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 0x0010

// Bitmaps
#define IDB_PICTURE 131          // refrigeration circuit, 1401 x 1926
#define IDB_LOGO 132             // product logo, 99 x 26
#define IDB_COMBO_MIDDLE 134     // 15 x 24, stretched
#define IDB_COMBO_LEFT 135       // 2 x 24
#define IDB_COMBO_BUTTON 136     // 20 x 24
#define IDB_COMBO_BUTTON_OPEN 137 // 20 x 24, while the list is open
#define IDB_HEADER_TILE 138      // 1 x 20
#define IDB_HEADER_LEFT 139      // 2 x 20
#define IDB_HEADER_RIGHT 140     // 2 x 20

// The logo, the selector pieces and the header pieces drawn again at 1.5 and
// 2 times their size, for 144 and 192 DPI: bitmap N at 1.5 times is
// N + IDB_OFFSET_150, at 2 times N + IDB_OFFSET_200. Each size is the one
// above scaled as the program scales (units/DpiScale.h). The picture has no
// such sets: it is large and always drawn smaller.
#define IDB_OFFSET_150 1000
#define IDB_OFFSET_200 2000
#define IDB_LOGO_150 1132              // 149 x 39
#define IDB_COMBO_MIDDLE_150 1134      // 23 x 36
#define IDB_COMBO_LEFT_150 1135        // 3 x 36
#define IDB_COMBO_BUTTON_150 1136      // 30 x 36
#define IDB_COMBO_BUTTON_OPEN_150 1137 // 30 x 36
#define IDB_HEADER_TILE_150 1138       // 2 x 30
#define IDB_HEADER_LEFT_150 1139       // 3 x 30
#define IDB_HEADER_RIGHT_150 1140      // 3 x 30
#define IDB_LOGO_200 2132              // 198 x 52
#define IDB_COMBO_MIDDLE_200 2134      // 30 x 48
#define IDB_COMBO_LEFT_200 2135        // 4 x 48
#define IDB_COMBO_BUTTON_200 2136      // 40 x 48
#define IDB_COMBO_BUTTON_OPEN_200 2137 // 40 x 48
#define IDB_HEADER_TILE_200 2138       // 2 x 40
#define IDB_HEADER_LEFT_200 2139       // 4 x 40
#define IDB_HEADER_RIGHT_200 2140      // 4 x 40

// Main window controls
#define IDC_MAIN_UNUSED_1000 1000
#define IDC_MAIN_HEAT_LOAD 1003
#define IDC_MAIN_EVAP_TEMP 1004
#define IDC_MAIN_COND_TEMP 1005
#define IDC_MAIN_RETURN_GAS_TEMP 1006
#define IDC_MAIN_UNUSED_1007 1007
#define IDC_MAIN_AMBIENT_TEMP 1008
#define IDC_MAIN_SETTINGS 1016
#define IDC_MAIN_REFRIGERANT 1017
#define IDC_MAIN_PRINT 1018
#define IDC_MAIN_HELP 1019
#define IDC_MAIN_RESULTS 1020
#define IDC_MAIN_HOMEPAGE 1022
// Zero-size labels naming the control after each of them
#define IDC_MAIN_REFRIGERANT_LABEL 1030
#define IDC_MAIN_HEAT_LOAD_LABEL 1031
#define IDC_MAIN_EVAP_TEMP_LABEL 1032
#define IDC_MAIN_COND_TEMP_LABEL 1033
#define IDC_MAIN_RETURN_GAS_TEMP_LABEL 1034
#define IDC_MAIN_RESULTS_LABEL 1035

// Settings dialog controls
#define IDC_SETTINGS_ENERGY_W 1004
#define IDC_SETTINGS_ENERGY_BTU 1005
#define IDC_SETTINGS_TEMPERATURE_F 1008
#define IDC_SETTINGS_TEMPERATURE_C 1009
#define IDC_SETTINGS_PRESSURE_PSI 1010
#define IDC_SETTINGS_PRESSURE_BAR 1011
#define IDC_SETTINGS_DIAMETER_INCHES 1012
#define IDC_SETTINGS_DIAMETER_MM 1013
#define IDC_SETTINGS_LENGTH_INCHES 1014
#define IDC_SETTINGS_LENGTH_METERS 1015
#define IDC_SETTINGS_FLOW_LPM 1016
#define IDC_SETTINGS_FLOW_CFM 1017
#define IDC_SETTINGS_DIAMETER_LIST 1026

// Help dialog controls
#define IDC_HELP_LINK 1022
#define IDC_HELP_TEXT 1023
#define IDC_HELP_DISCLAIMER 1025

// About box controls
#define IDC_ABOUT_TITLE 1024

// Main window timer
#define RECALCULATION_TIMER_ID 100
