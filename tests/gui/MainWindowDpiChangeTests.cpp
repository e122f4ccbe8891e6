// A change of DPI while the window runs. Wine never sends WM_DPICHANGED: the
// test sends what Windows sends on a move to a monitor of another DPI.
#include "resources/ResourceIds.h"
#include "settings/SettingsNames.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowDpiChecks.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "tests/support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

void sendDpiChange(HWND window, int dpi, RECT suggested) {
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    look_test::RepaintNow(window);
}

int linkFontHeight(HWND window) {
    LOGFONTW font{};
    GetObjectW(
        reinterpret_cast<HFONT>(SendDlgItemMessageW(window, IDC_MAIN_HOMEPAGE, WM_GETFONT, 0, 0)),
        sizeof font, &font);
    return font.lfHeight;
}

} // namespace

// From 96 to 192 DPI and back: the window takes the suggested rectangle, its
// controls, fonts, bitmaps and page follow, the link's font is the
// template's scaled, and the size it stores stays in 96-DPI pixels.
TEST(MainWindowDpiChange, LayoutFontsAndKeptResourcesFollowTheNewDpi) {
    MemorySettingsStore store;
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    gui::WaitShown(script, window).then([&] {
        const HWND w = window.hwnd();
        const int linkAt96 = linkFontHeight(w);
        RECT before{};
        GetWindowRect(w, &before);
        sendDpiChange(w, 192, {before.left, before.top, before.left + 1200, before.top + 960});
        EXPECT_EQ(window.dpi(), 192);
        RECT now{};
        GetWindowRect(w, &now);
        EXPECT_EQ(now.right - now.left, 1200);
        EXPECT_EQ(now.bottom - now.top, 960);
        dpi_check::controlsFollowTheDpi(window);
        dpi_check::pageFollowsTheDpi(window);
        EXPECT_EQ(linkFontHeight(w), 2 * linkAt96);
        // 1200 x 960 taken back to 96 DPI, give or take the frame: Wine keeps
        // drawing the one of 96 DPI, the store counts the one of 192.
        EXPECT_NEAR(store.readInt(SECTION_LOCATION, VALUE_X_SIZE, 0), 600, 10);
        EXPECT_NEAR(store.readInt(SECTION_LOCATION, VALUE_Y_SIZE, 0), 480, 10);

        sendDpiChange(w, 96, before);
        EXPECT_EQ(window.dpi(), 96);
        dpi_check::controlsFollowTheDpi(window);
        dpi_check::pageFollowsTheDpi(window);
        EXPECT_EQ(linkFontHeight(w), linkAt96);
        gui::Close(w);
    });
    gui::runScripted(window, script, 60000);
}
