// The settings dialog on its own: template 133, opening, OK and Cancel.
#include "resources/ResourceIds.h"
#include "settings/UnitSettingsStore.h"
#include "tests/gui/GuiHarness.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/dialogs/SettingsDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace gui;

namespace {

struct Expected {
    int id;
    const char* caption;
    RECT units; // x, y, width, height in dialog units
    bool startsGroup;
};

constexpr int kNoId = -1; // the group boxes and the list's label

// Template order, which is also the tab order and the order in which screen
// readers look for a control's group or label: each group box just before
// its pair, the label just before the list.
const Expected kControls[] = {
    {IDOK, "OK", {63, 144, 50, 14}, false},
    {IDCANCEL, "Cancel", {129, 144, 50, 14}, false},
    {kNoId, "&Energy", {6, 6, 72, 54}, true},
    {IDC_SETTINGS_ENERGY_W, "W", {12, 24, 36, 10}, true},
    {IDC_SETTINGS_ENERGY_BTU, "Btu/hr", {12, 42, 36, 10}, false},
    {kNoId, "&Temperature", {90, 6, 72, 54}, true},
    {IDC_SETTINGS_TEMPERATURE_F,
     "\xBA"
     "F",
     {96, 24, 30, 10},
     true},
    {IDC_SETTINGS_TEMPERATURE_C,
     "\xBA"
     "C",
     {96, 42, 30, 10},
     false},
    {kNoId, "&Pressure", {168, 6, 72, 54}, true},
    {IDC_SETTINGS_PRESSURE_PSI, "psi", {174, 24, 36, 10}, true},
    {IDC_SETTINGS_PRESSURE_BAR, "Bar", {174, 42, 36, 10}, false},
    {kNoId, "&Diameter", {6, 66, 72, 48}, true},
    {IDC_SETTINGS_DIAMETER_INCHES, "inches", {12, 78, 54, 10}, true},
    {IDC_SETTINGS_DIAMETER_MM, "millimeters", {12, 96, 54, 10}, false},
    {kNoId, "&Length", {90, 66, 72, 48}, true},
    {IDC_SETTINGS_LENGTH_INCHES, "inches", {96, 78, 54, 10}, true},
    {IDC_SETTINGS_LENGTH_METERS, "meters", {96, 96, 54, 10}, false},
    {kNoId, "&Flow", {168, 66, 72, 48}, true},
    {IDC_SETTINGS_FLOW_LPM, "l/min", {174, 78, 36, 10}, true},
    {IDC_SETTINGS_FLOW_CFM, "CFM", {174, 96, 36, 10}, false},
    {kNoId, "&Standard tube diameter list", {24, 120, 96, 8}, true},
};

RECT dialogUnitsToPixels(HWND dialog, const RECT& units) {
    RECT rect{units.left, units.top, units.left + units.right, units.top + units.bottom};
    MapDialogRect(dialog, &rect);
    return rect;
}

} // namespace

TEST(SettingsDialog, TemplateMatchesTheTableAndAccessKeysMoveTheFocus) {
    UnitSettings units;
    units.energyUnit = 0; // Btu/hr, the second radio of its pair
    MemorySettingsStore store;
    CSettingsDlg dialog(units, store);
    Script script;
    HWND box = nullptr;
    script.waitForDialog(L"Settings", box).then([&] {
        RECT client{};
        GetClientRect(box, &client);
        const RECT size = dialogUnitsToPixels(box, {0, 0, 244, 162});
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        const LONG style = GetWindowLongW(box, GWL_STYLE);
        EXPECT_TRUE(style & DS_MODALFRAME);
        EXPECT_TRUE(style & WS_SYSMENU);

        HWND child = GetWindow(box, GW_CHILD);
        for (const Expected& expected : kControls) {
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(GetDlgCtrlID(child), expected.id);
            EXPECT_EQ(WindowText(child), expected.caption) << expected.id;
            const LONG childStyle = GetWindowLongW(child, GWL_STYLE);
            const bool radio = expected.id > IDCANCEL;
            // Checking a radio button gives it the tab stop and takes it from
            // the other buttons of its group, so the live style of an
            // unchecked radio button no longer shows the template's tab stop.
            if (expected.id == kNoId) {
                EXPECT_FALSE(childStyle & WS_TABSTOP) << expected.caption;
            } else if (!radio || SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                EXPECT_TRUE(childStyle & WS_TABSTOP) << expected.id;
            }
            EXPECT_EQ((childStyle & WS_GROUP) != 0, expected.startsGroup) << expected.caption;
            if (radio) {
                EXPECT_EQ(childStyle & BS_TYPEMASK, BS_AUTORADIOBUTTON) << expected.id;
            }
            const RECT want = dialogUnitsToPixels(box, expected.units);
            const RECT got = ChildRect(box, child);
            EXPECT_EQ(got.left, want.left) << expected.id;
            EXPECT_EQ(got.top, want.top) << expected.id;
            EXPECT_EQ(got.right - got.left, want.right - want.left) << expected.id;
            child = GetWindow(child, GW_HWNDNEXT);
        }
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), IDC_SETTINGS_DIAMETER_LIST);
        const LONG comboStyle = GetWindowLongW(child, GWL_STYLE);
        EXPECT_EQ(comboStyle & 3, CBS_DROPDOWNLIST);
        EXPECT_TRUE(comboStyle & CBS_SORT);
        // WS_VSCROLL of the template goes to the combo box's drop-down list;
        // the combo box window itself does not keep it.
        EXPECT_TRUE(comboStyle & WS_TABSTOP);
        EXPECT_EQ(GetWindow(child, GW_HWNDNEXT), nullptr);

        EXPECT_EQ(GetWindowLongW(GetDlgItem(box, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        // The focus starts on the first tab stop, OK.
        EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
        CaptureScreenIfAsked("settings_dialog", box);
    });
    // Alt and a group's letter: the checked radio of the group; the list's.
    const std::pair<char, int> keys[] = {
        {'E', IDC_SETTINGS_ENERGY_BTU},    {'T', IDC_SETTINGS_TEMPERATURE_C},
        {'P', IDC_SETTINGS_PRESSURE_BAR},  {'D', IDC_SETTINGS_DIAMETER_MM},
        {'L', IDC_SETTINGS_LENGTH_METERS}, {'F', IDC_SETTINGS_FLOW_LPM},
        {'S', IDC_SETTINGS_DIAMETER_LIST}};
    for (const auto& [letter, id] : keys) {
        script.then([letter = letter] { KeyStroke(static_cast<UINT>(letter), true); })
            .waitUntil([&box, id = id] { return GetFocus() == GetDlgItem(box, id); },
                       std::string("Alt+") + letter);
    }
    script.then([&] { PostClick(box, IDCANCEL); });
    EXPECT_EQ(runScripted(dialog, script).result, IDCANCEL);
}

TEST(SettingsDialog, OpensWithTheSettingsAndOkStoresTheChoice) {
    UnitSettings units;
    units.energyUnit = 0;
    units.flowUnit = 0;
    units.diameterList = 2;
    MemorySettingsStore store;
    CSettingsDlg dialog(units, store);
    Script script;
    HWND box = nullptr;
    script.waitForDialog(L"Settings", box).then([&] {
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_ENERGY_BTU, BM_GETCHECK, 0, 0),
                  BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_ENERGY_W, BM_GETCHECK, 0, 0),
                  BST_UNCHECKED);
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_TEMPERATURE_C, BM_GETCHECK, 0, 0),
                  BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_FLOW_CFM, BM_GETCHECK, 0, 0), BST_CHECKED);
        HWND list = GetDlgItem(box, IDC_SETTINGS_DIAMETER_LIST);
        EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(WindowText(list), "North America");
        // A click on a button of one pair leaves the other pairs alone.
        SendDlgItemMessageW(box, IDC_SETTINGS_PRESSURE_PSI, BM_CLICK, 0, 0);
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_PRESSURE_BAR, BM_GETCHECK, 0, 0),
                  BST_UNCHECKED);
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_ENERGY_BTU, BM_GETCHECK, 0, 0),
                  BST_CHECKED);
        EXPECT_EQ(SendDlgItemMessageW(box, IDC_SETTINGS_TEMPERATURE_C, BM_GETCHECK, 0, 0),
                  BST_CHECKED);
        SendMessageW(list, CB_SETCURSEL, 0, 0);
        PostClick(box, IDOK);
    });
    EXPECT_EQ(runScripted(dialog, script).result, IDOK);
    EXPECT_EQ(units.energyUnit, 0);
    EXPECT_EQ(units.pressureUnit, 1);
    EXPECT_EQ(units.flowUnit, 0);
    EXPECT_EQ(units.diameterList, 0);
    // What it returns is what it stored (the store's order is the core's test).
    const UnitSettings stored = readUnitSettings(store);
    EXPECT_EQ(store.writes().size(), 7u);
    EXPECT_EQ(stored.energyUnit, 0);
    EXPECT_EQ(stored.pressureUnit, 1);
    EXPECT_EQ(stored.flowUnit, 0);
    EXPECT_EQ(stored.diameterList, 0);
}

TEST(SettingsDialog, CancelAndTheCloseBoxChangeNothing) {
    for (const bool viaSystemMenu : {false, true}) {
        UnitSettings units;
        MemorySettingsStore store;
        CSettingsDlg dialog(units, store);
        Script script;
        HWND box = nullptr;
        script.waitForDialog(L"Settings", box).then([&] {
            CheckRadio(box, IDC_SETTINGS_ENERGY_BTU, IDC_SETTINGS_ENERGY_W);
            CheckRadio(box, IDC_SETTINGS_LENGTH_INCHES, IDC_SETTINGS_LENGTH_METERS);
            if (viaSystemMenu) {
                PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                PostClick(box, IDCANCEL);
            }
        });
        EXPECT_EQ(runScripted(dialog, script).result, IDCANCEL);
        EXPECT_EQ(units.energyUnit, 1);
        EXPECT_EQ(units.lengthUnit, 0);
        EXPECT_TRUE(store.writes().empty());
    }
}
