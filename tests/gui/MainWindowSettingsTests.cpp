// The Settings button: the dialog, the conversion of the entered values, the
// redraw and the immediate recalculation.
#include "app/ReadAppIdentity.h"
#include "settings/SettingsNames.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"

#include <gtest/gtest.h>

using namespace gui;

TEST(MainWindowSettings, EnergyUnitRoundTripReturnsToTheEnteredValue) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    int before = 0;
    Script script;
    WaitShown(script, window);
    ChangeSettings(
        script, window,
        [](HWND dialog) { CheckRadio(dialog, IDC_SETTINGS_ENERGY_BTU, IDC_SETTINGS_ENERGY_W); },
        IDOK, before);
    script.then([&] {
        // Rounded to three decimals, not cut (375.3355793).
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "375.336");
        EXPECT_EQ(window.units().energyUnit, 0);
        EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_UNITS_ENERGY), 0);
        EXPECT_EQ(window.recalculationCount(), before + 1);
        EXPECT_FALSE(window.recalculationPending());
        EXPECT_EQ(ListRows(ResultsListWindow(window)), ExpectedRows(window));
        // The temperatures did not move.
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-25");
    });
    ChangeSettings(
        script, window,
        [](HWND dialog) { CheckRadio(dialog, IDC_SETTINGS_ENERGY_W, IDC_SETTINGS_ENERGY_BTU); },
        IDOK, before);
    script.then([&] {
        // Cutting gave 109.999 here.
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
        EXPECT_EQ(window.units().energyUnit, 1);
        Close(window.hwnd());
    });
    runScripted(window, script);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_HEAT_LOAD), 11000);
}

TEST(MainWindowSettings, TemperatureUnitConvertsTheFourTemperaturesAndBack) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    int before = 0;
    Script script;
    WaitShown(script, window);
    ChangeSettings(
        script, window,
        [](HWND dialog) {
            CheckRadio(dialog, IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C);
        },
        IDOK, before);
    script.then([&] {
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-13");
        EXPECT_EQ(FieldText(window, IDC_MAIN_COND_TEMP), "131");
        EXPECT_EQ(FieldText(window, IDC_MAIN_RETURN_GAS_TEMP), "89.6");
        EXPECT_EQ(FieldText(window, IDC_MAIN_AMBIENT_TEMP), "77");
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
        EXPECT_EQ(ListRows(ResultsListWindow(window)).size(), 9u);
    });
    ChangeSettings(
        script, window,
        [](HWND dialog) {
            CheckRadio(dialog, IDC_SETTINGS_TEMPERATURE_C, IDC_SETTINGS_TEMPERATURE_F);
        },
        IDOK, before);
    script.then([&] {
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-25");
        EXPECT_EQ(FieldText(window, IDC_MAIN_COND_TEMP), "55");
        EXPECT_EQ(FieldText(window, IDC_MAIN_RETURN_GAS_TEMP), "32");
        EXPECT_EQ(FieldText(window, IDC_MAIN_AMBIENT_TEMP), "25");
    });
    // Closing in ºF stores the values in ºF with the unit.
    ChangeSettings(
        script, window,
        [](HWND dialog) {
            CheckRadio(dialog, IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C);
        },
        IDOK, before);
    script.then([&] { Close(window.hwnd()); });
    runScripted(window, script);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_UNITS_TEMPERATURE), 1);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_EVAP_TEMP), -1300);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_RETURN_GAS_TEMP), 8960);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_AMBIENT_TEMP), 7700);
}

TEST(MainWindowSettings, CancelChangesNothingButStillRecalculates) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    int before = 0;
    Script script;
    WaitShown(script, window);
    ChangeSettings(
        script, window,
        [](HWND dialog) {
            CheckRadio(dialog, IDC_SETTINGS_ENERGY_BTU, IDC_SETTINGS_ENERGY_W);
            CheckRadio(dialog, IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C);
        },
        IDCANCEL, before);
    script.then([&] {
        EXPECT_EQ(window.recalculationCount(), before + 1);
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-25");
        EXPECT_EQ(window.units().energyUnit, 1);
        EXPECT_EQ(window.units().temperatureUnit, 0);
        EXPECT_TRUE(store.writes().empty());
        Close(window.hwnd());
    });
    runScripted(window, script);
}

TEST(MainWindowSettings, OtherUnitValuesOpenAsOneAndAreStoredAsOne) {
    MemorySettingsStore store;
    for (const char* name : {VALUE_UNITS_ENERGY, VALUE_UNITS_TEMPERATURE, VALUE_UNITS_PRESSURE,
                             VALUE_UNITS_DIAMETER, VALUE_UNITS_LENGTH, VALUE_UNITS_FLOW}) {
        store.writeInt(SECTION_SETTINGS, name, 5);
    }
    store.writeInt(SECTION_SETTINGS, VALUE_DIAMETER_LIST, -1);
    store.writeInt(SECTION_SETTINGS, VALUE_EVAP_TEMP, -1300);
    const size_t writesBefore = store.writes().size();
    MainWindow window(store, readAppIdentity(), programBaseName());
    int before = 0;
    Script script;
    WaitShown(script, window);
    ChangeSettings(
        script, window,
        [](HWND dialog) {
            for (int id : {IDC_SETTINGS_ENERGY_W, IDC_SETTINGS_TEMPERATURE_F,
                           IDC_SETTINGS_PRESSURE_PSI, IDC_SETTINGS_DIAMETER_INCHES,
                           IDC_SETTINGS_LENGTH_INCHES, IDC_SETTINGS_FLOW_LPM}) {
                EXPECT_EQ(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0), BST_CHECKED) << id;
                EXPECT_EQ(SendDlgItemMessageW(dialog, id + 1, BM_GETCHECK, 0, 0), BST_UNCHECKED)
                    << id + 1;
            }
            HWND list = GetDlgItem(dialog, IDC_SETTINGS_DIAMETER_LIST);
            EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
            EXPECT_EQ(WindowText(list), "North America");
        },
        IDOK, before);
    script.then([&] {
        // 5 and 1 are the same unit: nothing is converted.
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-13");
        Close(window.hwnd());
    });
    runScripted(window, script);
    const auto& writes = store.writes();
    ASSERT_GE(writes.size(), writesBefore + 7);
    const char* const order[] = {
        VALUE_UNITS_ENERGY, VALUE_UNITS_TEMPERATURE, VALUE_UNITS_PRESSURE, VALUE_UNITS_DIAMETER,
        VALUE_UNITS_LENGTH, VALUE_UNITS_FLOW,        VALUE_DIAMETER_LIST};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(writes[writesBefore + i].name, order[i]);
        EXPECT_EQ(writes[writesBefore + i].value, 1) << order[i];
    }
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_EVAP_TEMP), -1300);
}
