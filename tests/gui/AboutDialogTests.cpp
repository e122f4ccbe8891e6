// The About box, directly and from the main window's system menu.
#include <gtest/gtest.h>

#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/dialogs/AboutDialog.h"

using namespace gui;

TEST(AboutDialog, SystemMenuAboutShowsProductAndVersion) {
    ResetSettingsStore();
    MemorySettingsStore store;
    MainWindow window(store, TestIdentity(), L"gui_tests");
    HWND about = nullptr;
    Script script;
    WaitShown(script, window)
        .then([&] { PostMessageW(window.hwnd(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0); })
        .waitForDialog(L"About", about)
        .then([&] {
            HWND title = GetDlgItem(about, IDC_ABOUT_TITLE);
            // The program's own version resource: 1.0 and an empty special
            // build after the blank.
            EXPECT_EQ(WindowText(title), "Olvane v1.0 ");
            EXPECT_TRUE(GetWindowLongW(title, GWL_STYLE) & SS_NOPREFIX);
            EXPECT_EQ(GetWindow(about, GW_OWNER), window.hwnd());
            EXPECT_EQ(GetFocus(), GetDlgItem(about, IDOK));
            CaptureScreenIfAsked("about_box");
            PostClick(about, IDOK);
        })
        .waitUntil([&] { return FindDialog(L"About") == nullptr; }, "the About box to close")
        .then([&] { Close(window.hwnd()); });
    runScripted(window, script);
}

TEST(AboutDialog, FallbackVersionCloseBoxAndLongNames) {
    CAboutDlg dialog("Olvane", "0.0");
    Script script;
    WaitShown(script, dialog).then([&] {
        EXPECT_EQ(WindowText(dialog.hwnd()), "About");
        EXPECT_EQ(WindowText(Item(dialog, IDC_ABOUT_TITLE)), "Olvane v0.0");
        // Only a click ends the dialog: another notification of OK does not.
        PostMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS), 0);
        // The close box sends SC_CLOSE, which the dialog manager turns
        // into IDCANCEL.
        PostMessageW(dialog.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    const ScriptedRun run = runScripted(dialog, script);
    EXPECT_EQ(run.result, IDCANCEL);

    EXPECT_EQ(CAboutDlg::titleText("Olvane", "1.0 "), "Olvane v1.0 ");
    const std::string title = CAboutDlg::titleText(std::string(150, 'P'), std::string(150, '9'));
    EXPECT_EQ(title, std::string(150, 'P') + " v" + std::string(51, '9'));
}
