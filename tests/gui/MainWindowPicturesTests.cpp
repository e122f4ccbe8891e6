// Pictures of the windows for looking at them (OLVANE_SCREENSHOT_DIR), taken
// on the way through start-up, an invalid input and the Settings dialog.
#include "app/ReadAppIdentity.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"

#include <gtest/gtest.h>

using namespace gui;

TEST(MainWindowPictures, StartUpInvalidInputAndSettings) {
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
            PostClick(settings, IDCANCEL);
        })
        .waitUntil([&] { return FindDialog(L"Settings") == nullptr; }, "the settings dialog to end")
        .then([&] { Close(window.hwnd()); });
    EXPECT_TRUE(runScripted(window, script).scriptFinished);
}
