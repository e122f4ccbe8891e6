// Start-up and close of the main window: defaults, the store, placement,
// identity, the system menu and the load failure.
#include "app/ReadAppIdentity.h"
#include "settings/SettingsNames.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"
#include "win32/Text1252.h"

#include <gtest/gtest.h>

#include <cstring>

#include <algorithm>

using namespace gui;

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

RECT windowRect(const MainWindow& window) {
    RECT rect{};
    GetWindowRect(window.hwnd(), &rect);
    return rect;
}

} // namespace

TEST(MainWindowStartup, EmptyStoreGivesTheDefaultsAndWritesPlacementOnlyWhenMoved) {
    ResetSettingsStore();
    RegistrySettingsStore store = TestStore();
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window)
        .then([&] {
            EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "110");
            EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-25");
            EXPECT_EQ(FieldText(window, IDC_MAIN_COND_TEMP), "55");
            EXPECT_EQ(FieldText(window, IDC_MAIN_RETURN_GAS_TEMP), "32");
            EXPECT_EQ(FieldText(window, IDC_MAIN_AMBIENT_TEMP), "25");
            EXPECT_EQ(FieldText(window, IDC_MAIN_UNUSED_1000), "");
            EXPECT_EQ(FieldText(window, IDC_MAIN_UNUSED_1007), "");
            EXPECT_EQ(window.selectedRefrigerant(), 0);
            EXPECT_EQ(SendMessageW(Item(window, IDC_MAIN_REFRIGERANT), CB_GETCURSEL, 0, 0), 0);
            // One recalculation, inside the set-up, and nothing left pending.
            EXPECT_EQ(window.recalculationCount(), 1);
            EXPECT_FALSE(window.recalculationPending());
            EXPECT_TRUE(window.initialisationComplete());
            const auto rows = ListRows(ResultsListWindow(window));
            EXPECT_EQ(rows.size(), 9u);
            EXPECT_EQ(rows, ExpectedRows(window));
            EXPECT_EQ(SelectedRow(ResultsListWindow(window)), window.result().selectedRow);

            const RECT rect = windowRect(window);
            EXPECT_EQ(rect.left, 10);
            EXPECT_EQ(rect.top, 10);
            EXPECT_EQ(rect.right - rect.left, 800);
            EXPECT_EQ(rect.bottom - rect.top, 640);
            // Nothing is written before the first move or resize.
            EXPECT_TRUE(StoredValueNames(SECTION_LOCATION).empty());
            EXPECT_TRUE(StoredValueNames(SECTION_SETTINGS).empty());
        })
        .then([&] {
            SetWindowPos(window.hwnd(), nullptr, 40, 30, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        })
        .then([&] {
            EXPECT_EQ(StoredValue(SECTION_LOCATION, VALUE_X_POSITION), 40);
            EXPECT_EQ(StoredValue(SECTION_LOCATION, VALUE_Y_POSITION), 30);
            EXPECT_FALSE(StoredValue(SECTION_LOCATION, VALUE_X_SIZE).has_value());
            SetWindowPos(window.hwnd(), nullptr, 0, 0, 900, 700,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        })
        .then([&] {
            // The outer size, not the client size.
            EXPECT_EQ(StoredValue(SECTION_LOCATION, VALUE_X_SIZE), 900);
            EXPECT_EQ(StoredValue(SECTION_LOCATION, VALUE_Y_SIZE), 700);
            Close(window.hwnd());
        });
    const ScriptedRun run = runScripted(window, script);
    EXPECT_EQ(run.result, IDCANCEL);

    // The close wrote the refrigerant and the five values, under their exact names.
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_REFRIGERANT), 0);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_HEAT_LOAD), 11000);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_EVAP_TEMP), -2500);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_COND_TEMP), 5500);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_RETURN_GAS_TEMP), 3200);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_AMBIENT_TEMP), 2500);
    const std::vector<std::string> names = StoredValueNames(SECTION_SETTINGS);
    EXPECT_EQ(names.size(), 6u);
    for (const char* name :
         {"Refrig", "dHeatLoad", "dEvapTemp", "dCondTemp", "dRGasTemp", "dAmbient"}) {
        EXPECT_TRUE(contains(names, name)) << name;
    }
}

TEST(MainWindowStartup, StoredValuesComeBackIncludingNegativesAndTrailingBlankNames) {
    ResetSettingsStore();
    // Written with the program's own names, read back byte for byte.
    StoreValue(SECTION_SETTINGS, VALUE_UNITS_ENERGY, 0);
    StoreValue(SECTION_SETTINGS, VALUE_UNITS_TEMPERATURE, 1);
    StoreValue(SECTION_SETTINGS, VALUE_HEAT_LOAD, 37534);
    StoreValue(SECTION_SETTINGS, VALUE_EVAP_TEMP, -1300);
    StoreValue(SECTION_SETTINGS, VALUE_AMBIENT_TEMP, -4);
    const std::vector<std::string> names = StoredValueNames(SECTION_SETTINGS);
    EXPECT_TRUE(contains(names, "UnitsEnergy     "));
    EXPECT_TRUE(contains(names, "UnitsTemperature"));
    EXPECT_FALSE(contains(names, "UnitsEnergy"));
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_EVAP_TEMP), -1300);
    // A name without its blanks is a value of its own that start-up never sees.
    StoreValue(SECTION_SETTINGS, "UnitsFlow", 0);

    RegistrySettingsStore store = TestStore();
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        EXPECT_EQ(window.units().energyUnit, 0);
        EXPECT_EQ(window.units().temperatureUnit, 1);
        EXPECT_EQ(window.units().flowUnit, 1);
        EXPECT_EQ(FieldText(window, IDC_MAIN_HEAT_LOAD), "375.34");
        EXPECT_EQ(FieldText(window, IDC_MAIN_EVAP_TEMP), "-13");
        EXPECT_EQ(FieldText(window, IDC_MAIN_AMBIENT_TEMP), "-0.04");
        Close(window.hwnd());
    });
    runScripted(window, script);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_EVAP_TEMP), -1300);
    EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_AMBIENT_TEMP), -4);
    ResetSettingsStore();
}

TEST(MainWindowStartup, IdentityCaptionIconAndSystemMenu) {
    const AppIdentity identity = readAppIdentity();
    EXPECT_EQ(identity.productName, "Olvane");
    EXPECT_EQ(identity.fileDescription, "Varnu Capillary Tube Selector");
    EXPECT_EQ(identity.programVersion, "1.0 ");
    EXPECT_EQ(identity.databaseVersion, "0.0.x");
    EXPECT_EQ(programBaseName(), L"gui_tests");
    // Without a readable resource: the fallbacks.
    const AppIdentity fallback = composeAppIdentity(readVersionResource(L"C:\\no\\such.exe"));
    EXPECT_EQ(fallback.productName, "Olvane");
    EXPECT_EQ(fallback.fileDescription, " ");
    EXPECT_EQ(fallback.programVersion, "0.0");
    EXPECT_EQ(fallback.databaseVersion, "0.0");
    // A special build follows the version after its blank; long texts are held.
    VersionResourceTexts texts;
    texts.readable = true;
    texts.fileVersionMS = (2u << 16) | 7u;
    texts.specialBuild = std::string(60, 'b');
    texts.productName = std::string(120, 'p');
    const AppIdentity composed = composeAppIdentity(texts);
    EXPECT_EQ(composed.programVersion, "2.7 " + std::string(48, 'b'));
    EXPECT_EQ(composed.productName.size(), 98u);

    MemorySettingsStore store;
    MainWindow window(store, identity, programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        EXPECT_EQ(WindowText(window.hwnd()), "Varnu Capillary Tube Selector");
        // The data file replaced the database version.
        EXPECT_EQ(window.identity().databaseVersion,
                  std::string(window.database().databaseVersion));
        EXPECT_NE(window.identity().databaseVersion, "0.0.x");
        EXPECT_NE(SendMessageW(window.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(window.hwnd(), WM_QUERYDRAGICON, 0, 0), 0);

        HMENU menu = GetSystemMenu(window.hwnd(), FALSE);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        wchar_t text[32] = {};
        GetMenuStringW(menu, count - 1, text, 32, MF_BYPOSITION);
        EXPECT_EQ(narrow1252(text), "&About...");
        MENUITEMINFOW separator{};
        separator.cbSize = sizeof separator;
        separator.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, count - 2, TRUE, &separator);
        EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
        // What the command opens is the About box's own test.
        Close(window.hwnd());
    });
    EXPECT_EQ(runScripted(window, script).result, IDCANCEL);
}

// Too wide and too high for the screen: left and top edges 10 pixels inside
// the monitor's work area, 20 pixels less than its size (the other cases are
// the core's).
TEST(MainWindowStartup, PlacementIsFittedToTheScreen) {
    MemorySettingsStore store;
    store.writeInt(SECTION_LOCATION, VALUE_X_POSITION, 300);
    store.writeInt(SECTION_LOCATION, VALUE_Y_POSITION, 300);
    store.writeInt(SECTION_LOCATION, VALUE_X_SIZE, 5000);
    store.writeInt(SECTION_LOCATION, VALUE_Y_SIZE, 5000);
    const size_t writesBefore = store.writes().size();
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window).then([&] {
        const RECT rect = windowRect(window);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ASSERT_TRUE(
            GetMonitorInfoW(MonitorFromPoint({300, 300}, MONITOR_DEFAULTTONEAREST), &monitor));
        const RECT& work = monitor.rcWork;
        EXPECT_EQ(rect.left, work.left + 10);
        EXPECT_EQ(rect.top, work.top + 10);
        EXPECT_EQ(rect.right, work.right - 10);
        EXPECT_EQ(rect.bottom, work.bottom - 10);
        // Placing the window at start-up writes nothing.
        EXPECT_EQ(store.writes().size(), writesBefore);
        Close(window.hwnd());
    });
    runScripted(window, script);
}

TEST(MainWindowStartup, MinimisedOrMaximisedPlacementIsNotStored) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    Script script;
    WaitShown(script, window)
        .then([&] { ShowWindow(window.hwnd(), SW_MINIMIZE); })
        .then([&] {
            EXPECT_TRUE(IsIconic(window.hwnd()));
            EXPECT_FALSE(store.find(SECTION_LOCATION, VALUE_X_SIZE).has_value());
            EXPECT_FALSE(store.find(SECTION_LOCATION, VALUE_X_POSITION).has_value());
            ShowWindow(window.hwnd(), SW_RESTORE);
        })
        .then([&] { ShowWindow(window.hwnd(), SW_MAXIMIZE); })
        .then([&] {
            EXPECT_TRUE(IsZoomed(window.hwnd()));
            // Whatever the restore wrote, maximising changed none of it.
            const auto width = store.find(SECTION_LOCATION, VALUE_X_SIZE);
            if (width.has_value()) {
                EXPECT_EQ(*width, 800);
            }
            const auto left = store.find(SECTION_LOCATION, VALUE_X_POSITION);
            if (left.has_value()) {
                EXPECT_EQ(*left, 10);
            }
            Close(window.hwnd());
        });
    runScripted(window, script);
}

TEST(MainWindowStartup, MissingOrUnusableDataFileShowsTheMessageAndWritesNothing) {
    const std::string unusable = [] {
        DataTextParts parts;
        parts.records.clear(); // loads, but no refrigerant to select
        return buildDataText(parts);
    }();
    const std::vector<std::vector<unsigned char>> files = {
        {},                                    // no file at all
        {0x41},                                // one byte
        std::vector<unsigned char>(300, 0x7A), // garbage
        scrambleForTest(unusable),             // nothing to select
    };
    for (size_t i = 0; i < files.size(); ++i) {
        ResetSettingsStore();
        StoreValue(SECTION_SETTINGS, VALUE_REFRIGERANT, 3);
        StoreValue(SECTION_SETTINGS, VALUE_HEAT_LOAD, 12345);
        TempWorkingDirectory directory;
        if (i > 0) {
            directory.writeRawDataFile(files[i]);
        }
        RegistrySettingsStore store = TestStore();
        DebugTraceCapture traces;
        MainWindow window(store, readAppIdentity(), programBaseName());
        HWND box = nullptr;
        Script script;
        script.waitForDialog(L"gui_tests", box).then([&] {
            EXPECT_EQ(MessageBoxText(box), "Could not read Olvane.tbx");
            EXPECT_FALSE(IsWindowVisible(window.hwnd()));
            PressMessageBoxButton(box, IDOK);
        });
        const ScriptedRun run = runScripted(window, script);
        EXPECT_TRUE(run.scriptFinished) << "file " << i;
        EXPECT_FALSE(window.initialisationComplete());
        EXPECT_EQ(window.recalculationCount(), 0);
        EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_REFRIGERANT), 3);
        EXPECT_EQ(StoredValue(SECTION_SETTINGS, VALUE_HEAT_LOAD), 12345);
        EXPECT_EQ(StoredValueNames(SECTION_SETTINGS).size(), 2u);
        EXPECT_TRUE(StoredValueNames(SECTION_LOCATION).empty());
        // The user sees one message; a debugger sees why.
        ASSERT_EQ(traces.lines().size(), 1u) << "file " << i;
        const std::string& line = traces.lines()[0];
        EXPECT_EQ(line.rfind("Varnu Olvane: Olvane.tbx refused: ", 0), 0u) << line;
        const std::string reason = line.substr(std::strlen("Varnu Olvane: Olvane.tbx refused: "));
        const char* const expected[] = {"no text", "no text", nullptr, "no refrigerant"};
        EXPECT_FALSE(reason.empty());
        if (expected[i] != nullptr) {
            EXPECT_EQ(reason.rfind(expected[i], 0), 0u) << reason;
        }
    }
    ResetSettingsStore();
}
