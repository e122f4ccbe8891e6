// The main window's events: deferred recalculation, the refrigerant, the
// validation rows, clicks on the list, the keyboard and the close.
#include "app/ReadAppIdentity.h"
#include "settings/SettingsNames.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"
#include "win32/Text1252.h"

#include <gtest/gtest.h>

#include <limits>

using namespace gui;

namespace {

// Two refrigerants: R1 with the test record's ranges, R2 evaporating only
// from -20 to -5 ºC and with a correlation giving twice the flow.
std::string twoRefrigerants() {
    DataTextParts parts;
    parts.records = {testRecordLine("R1"),
                     recordLine("R2", {-20, -5, 25, 65, -20, 45, 0.6, 0, 0, 0,
                                       0,   11, 0,  0,  0,   0,  100, 0, 0, 0})};
    return buildDataText(parts);
}

} // namespace

TEST(MainWindowEvents, TypingBetweenTicksGivesOneRecalculation) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        HWND field = Item(window, IDC_MAIN_HEAT_LOAD);
        const auto rowsAt110 = ListRows(ResultsListWindow(window));
        const int before = window.recalculationCount();
        ReplaceText(field, "120");
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "120");
        EXPECT_TRUE(window.recalculationPending());
        EXPECT_EQ(window.recalculationCount(), before);
        EXPECT_EQ(ListRows(ResultsListWindow(window)), rowsAt110); // nothing shown yet

        Tick(window.hwnd());
        EXPECT_EQ(window.recalculationCount(), before + 1);
        EXPECT_FALSE(window.recalculationPending());
        EXPECT_EQ(window.enteredInputs().heatLoad, 120.0);
        const auto rowsAt120 = ListRows(ResultsListWindow(window));
        EXPECT_EQ(rowsAt120, ExpectedRows(window));
        EXPECT_NE(rowsAt120, rowsAt110);
        EXPECT_EQ(SelectedRow(ResultsListWindow(window)), window.result().selectedRow);
        EXPECT_EQ(ListView_GetNextItem(ResultsListWindow(window), -1, LVNI_FOCUSED),
                  window.result().selectedRow);

        // A tick with nothing pending does not recalculate.
        Tick(window.hwnd());
        EXPECT_EQ(window.recalculationCount(), before + 1);
        // The hidden ambient field starts none either.
        ReplaceText(Item(window, IDC_MAIN_AMBIENT_TEMP), "30");
        EXPECT_FALSE(window.recalculationPending());
        Close(window.hwnd());
    });
    runScripted(window, script);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_HEAT_LOAD), 12000);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_AMBIENT_TEMP), 3000);
}

TEST(MainWindowEvents, RefrigerantChangeRecalculatesWithItsRanges) {
    TempWorkingDirectory directory;
    ASSERT_TRUE(directory.writeDataFile(twoRefrigerants()));
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        EXPECT_EQ(ListRows(ResultsListWindow(window)).size(), 9u);
        const double flowOfR1 = window.result().flowRate;
        SelectComboItem(window.hwnd(), IDC_MAIN_REFRIGERANT, 1);
        EXPECT_EQ(window.selectedRefrigerant(), 1);
        EXPECT_TRUE(window.recalculationPending());
        Tick(window.hwnd());
        // -25 ºC lies outside R2's evaporating range.
        RowIs(ListRows(ResultsListWindow(window)), "Evap temp invalid",
              "-20.0\xBA"
              "C to -5.0\xBA"
              "C");
        EXPECT_EQ(SelectedRow(ResultsListWindow(window)), -1);

        ReplaceText(Item(window, IDC_MAIN_EVAP_TEMP), "-10");
        Tick(window.hwnd());
        EXPECT_EQ(ListRows(ResultsListWindow(window)), ExpectedRows(window));
        // R1: F = 0.3 + 0.055 * Q; R2: F = 0.6 + 0.11 * Q.
        EXPECT_NEAR(flowOfR1, 0.3 + 0.055 * 110, 1e-9);
        EXPECT_NEAR(window.result().flowRate, 0.6 + 0.11 * 110, 1e-9);
        Close(window.hwnd());
    });
    runScripted(window, script);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_REFRIGERANT), 1);
}

// A field out of range shows its message as the one row, nothing selected,
// at the next tick; the value back in range brings the nine rows back. (The
// ranges, their texts and the order of the checks are the core's tests.)
TEST(MainWindowEvents, AValidationMessageShowsAsOneRow) {
    TempWorkingDirectory directory;
    ASSERT_TRUE(directory.writeDataFile(DataTextWithRefrigerants(1)));
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    struct Case {
        int field;
        const char* text;
        const char* message;
        const char* range;
    };
    const Case cases[] = {
        {IDC_MAIN_HEAT_LOAD, "", "Heat load invalid", "1 to 10000W"},
        {IDC_MAIN_EVAP_TEMP, "-41", "Evap temp invalid",
         "-40.0\xBA"
         "C to -5.0\xBA"
         "C"},
    };
    Script script;
    WaitShown(script, window).then([&] {
        for (const Case& c : cases) {
            const std::string previous = FieldText(window, c.field);
            ReplaceText(Item(window, c.field), c.text);
            Tick(window.hwnd());
            RowIs(ListRows(ResultsListWindow(window)), c.message, c.range);
            EXPECT_EQ(SelectedRow(ResultsListWindow(window)), -1) << c.message;
            EXPECT_FALSE(window.recalculationPending());
            SetWindowTextW(Item(window, c.field), widen1252(previous).c_str());
            Tick(window.hwnd());
            EXPECT_EQ(ListRows(ResultsListWindow(window)).size(), 9u) << c.text;
        }
        Close(window.hwnd());
    });
    runScripted(window, script);
}

TEST(MainWindowEvents, ClickedRowReturnsToTheOptimalOneAtTheNextTick) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        HWND list = ResultsListWindow(window);
        const int optimal = window.result().selectedRow;
        const int other = optimal == 0 ? 8 : 0;
        ClickListRow(window.hwnd(), list, other);
        EXPECT_EQ(SelectedRow(list), other);
        EXPECT_TRUE(window.recalculationPending());
        Tick(window.hwnd());
        EXPECT_EQ(SelectedRow(list), optimal);
        EXPECT_EQ(ListRows(list).size(), 9u);
        Close(window.hwnd());
    });
    runScripted(window, script);
}

TEST(MainWindowEvents, EnterDoesNothingAndEscapeClosesAndSaves) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window)
        .then([&] {
            HWND field = Item(window, IDC_MAIN_HEAT_LOAD);
            SetFocus(field);
            ReplaceText(field, "150");
            PostMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageW(field, WM_KEYUP, VK_RETURN, 0xC0000001);
        })
        .then([&] {
            EXPECT_TRUE(IsWindowVisible(window.hwnd()));
            EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "150");
            EXPECT_TRUE(store.writes().empty());
            HWND field = Item(window, IDC_MAIN_HEAT_LOAD);
            PostMessageW(field, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(field, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        });
    const ScriptedRun run = runScripted(window, script);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_HEAT_LOAD), 15000);
}

TEST(MainWindowEvents, BadInputInFieldsAndStoreNeverBreaksTheWindow) {
    MemorySettingsStore store;
    const std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    store.writeInt(SECTION_SETTINGS, VALUE_HEAT_LOAD, highest);
    store.writeInt(SECTION_SETTINGS, VALUE_EVAP_TEMP, lowest);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_ENERGY, lowest);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_FLOW, -7);
    store.writeInt(SECTION_SETTINGS, VALUE_DIAMETER_LIST, highest);
    store.writeInt(SECTION_SETTINGS, VALUE_REFRIGERANT, highest);
    store.writeInt(SECTION_LOCATION, VALUE_X_SIZE, -100);
    store.writeInt(SECTION_LOCATION, VALUE_Y_SIZE, 0);
    store.writeInt(SECTION_LOCATION, VALUE_X_POSITION, lowest);
    MainWindow window(store, readAppIdentity(), programBaseName());
    int last = -1;
    Script script;
    WaitShown(script, window).then([&] {
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "21474836.47");
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-21474836.48");
        // Any energy unit other than 0 is W.
        RowIs(ListRows(ResultsListWindow(window)), "Heat load invalid", "1 to 10000W");
        // The refrigerant beyond the list: the last one, selected and stored.
        last = window.database().refrigerantCount - 1;
        EXPECT_EQ(window.selectedRefrigerant(), last);
        EXPECT_EQ(SendMessageW(Item(window, IDC_MAIN_REFRIGERANT), CB_GETCURSEL, 0, 0), last);

        HWND heat = Item(window, IDC_MAIN_HEAT_LOAD);
        ReplaceText(heat, "abc!\xBA\xFF%12 34..5-6789012345");
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "-1234.567");
        SetWindowTextW(heat, L"\x4E2D\x6587 9e99999 \xD83D\xDE00");
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "999999");
        SetWindowTextW(heat, std::wstring(5000, L'9').c_str());
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "999999999");
        ReplaceText(Item(window, IDC_MAIN_EVAP_TEMP), "999999999.999");
        SetWindowTextW(Item(window, IDC_MAIN_COND_TEMP), L"");
        SetWindowTextW(Item(window, IDC_MAIN_RETURN_GAS_TEMP), L"-");
        Tick(window.hwnd());
        EXPECT_EQ(ListRows(ResultsListWindow(window)).size(), 1u);
        Close(window.hwnd());
    });
    runScripted(window, script);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_HEAT_LOAD), highest);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_EVAP_TEMP), highest);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_COND_TEMP), 0);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_RETURN_GAS_TEMP), 0);
    EXPECT_EQ(store.find(SECTION_SETTINGS, VALUE_REFRIGERANT), last);
}
