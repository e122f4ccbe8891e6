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
