// The Settings button: the dialog, the conversion of the entered values, the
// redraw and the immediate recalculation.
#include "app/ReadAppIdentity.h"
#include "settings/SettingsNames.h"
#include "settings/UnitSettingsStore.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"

#include <gtest/gtest.h>

using namespace gui;

// Cancel changes nothing but still recalculates. OK converts the entered
// values at once, rounded to three decimals, recalculates and stores the
// units; back in W the heat load is what was entered. Closing in ºF stores
// the values in ºF.
TEST(MainWindowSettings, CancelKeepsAndOkConvertsTheEnteredValuesAndRecalculates) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    int before = 0;
    const auto btuAndFahrenheit = [](HWND dialog) {
        CheckRadio(dialog, IDC_SETTINGS_ENERGY_BTU, IDC_SETTINGS_ENERGY_W);
        CheckRadio(dialog, IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C);
    };
    Script script;
    WaitShown(script, window);
    ChangeSettings(script, window, btuAndFahrenheit, IDCANCEL, before);
    script.then([&] {
        EXPECT_EQ(window.recalculationCount(), before + 1);
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-25");
        EXPECT_EQ(window.units().energyUnit, 1);
        EXPECT_EQ(window.units().temperatureUnit, 0);
        EXPECT_TRUE(store.writes().empty());
    });
    ChangeSettings(script, window, btuAndFahrenheit, IDOK, before);
    script.then([&] {
        // Rounded to three decimals, not cut (375.3355793).
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "375.336");
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-13");
        EXPECT_EQ(FieldText(window, IDC_MAIN_COND_TEMP), "131");
        EXPECT_EQ(FieldText(window, IDC_MAIN_RETURN_GAS_TEMP), "89.6");
        EXPECT_EQ(FieldText(window, IDC_MAIN_AMBIENT_TEMP), "77");
        EXPECT_EQ(window.units().energyUnit, 0);
        EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_UNITS_ENERGY), 0);
        EXPECT_EQ(window.recalculationCount(), before + 1);
        EXPECT_FALSE(window.recalculationPending());
        EXPECT_EQ(ListRows(ResultsListWindow(window)), ExpectedRows(window));
    });
    ChangeSettings(
        script, window,
        [](HWND dialog) { CheckRadio(dialog, IDC_SETTINGS_ENERGY_W, IDC_SETTINGS_ENERGY_BTU); },
        IDOK, before);
    script.then([&] {
        // Cutting gave 109.999 here.
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
        Close(window.hwnd());
    });
    runScripted(window, script);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_HEAT_LOAD), 11000);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_UNITS_TEMPERATURE), 1);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_EVAP_TEMP), -1300);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_RETURN_GAS_TEMP), 8960);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_AMBIENT_TEMP), 7700);
}

TEST(MainWindowSettings, OtherUnitValuesOpenAsOneAndAreStoredAsOne) {
    MemorySettingsStore store;
    for (const char* name : {VALUE_UNITS_ENERGY, VALUE_UNITS_TEMPERATURE, VALUE_UNITS_PRESSURE,
                             VALUE_UNITS_DIAMETER, VALUE_UNITS_LENGTH, VALUE_UNITS_FLOW}) {
        store.writeInt(SECTION_SETTINGS, name, 5);
    }
    store.writeInt(SECTION_SETTINGS, VALUE_DIAMETER_LIST, -1);
    store.writeInt(SECTION_SETTINGS, VALUE_EVAP_TEMP, -1300);
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
    const UnitSettings stored = readUnitSettings(store);
    for (const std::int32_t value :
         {stored.energyUnit, stored.temperatureUnit, stored.pressureUnit, stored.diameterUnit,
          stored.lengthUnit, stored.flowUnit, stored.diameterList}) {
        EXPECT_EQ(value, 1);
    }
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_EVAP_TEMP), -1300);
}
