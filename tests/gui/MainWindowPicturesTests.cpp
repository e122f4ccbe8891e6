// Pictures of the windows for looking at them (OLVANE_SCREENSHOT_DIR), taken
// on the way through start-up, an invalid input, the Settings dialog and
// imperial units.
#include "app/ReadAppIdentity.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"

#include <gtest/gtest.h>

using namespace gui;

TEST(MainWindowPictures, StartUpInvalidInputSettingsAndImperialUnits) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    HWND settings = nullptr;
    Script script;
    WaitShown(script, window)
        .then([&] {
            UpdateWindow(window.hwnd());
            CaptureScreenIfAsked("main-startup");
            ReplaceText(Item(window, IDC_MAIN_HEAT_LOAD), "0");
            Tick(window.hwnd());
            RowIs(ListRows(ResultsListWindow(window)), "Heat load invalid", "1 to 10000W");
            UpdateWindow(window.hwnd());
            UpdateWindow(ResultsListWindow(window));
        })
        .then([&] {
            CaptureScreenIfAsked("main-invalid-input");
            PostClick(window.hwnd(), IDC_MAIN_SETTINGS);
        })
        .waitForDialog(L"Settings", settings)
        .then([&] { UpdateWindow(settings); })
        .then([&] {
            CaptureScreenIfAsked("settings-dialog");
            for (int id : {IDC_SETTINGS_ENERGY_BTU, IDC_SETTINGS_TEMPERATURE_F,
                           IDC_SETTINGS_PRESSURE_PSI, IDC_SETTINGS_DIAMETER_INCHES,
                           IDC_SETTINGS_LENGTH_INCHES, IDC_SETTINGS_FLOW_CFM}) {
                SendDlgItemMessageW(settings, id, BM_CLICK, 0, 0);
            }
            PostClick(settings, IDOK);
        })
        .waitUntil([&] { return FindDialog(L"Settings") == nullptr; }, "the settings dialog to end")
        .then([&] {
            RedrawWindow(window.hwnd(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            CaptureScreenIfAsked("main-imperial");
            Close(window.hwnd());
        });
    EXPECT_TRUE(runScripted(window, script).scriptFinished);
}
