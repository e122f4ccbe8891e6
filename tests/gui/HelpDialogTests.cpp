// The help dialog, its disclaimer box, and opening it from the main window.
#include <gtest/gtest.h>

#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/dialogs/rules/DisclaimerText.h"
#include "ui/dialogs/rules/HelpText.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

using namespace gui;

namespace {

const std::wstring kCaption = L"gui_tests";

// What the help box must show for a text: the ten characters % ' * " + ? > <
// : and \ gone, everything else as it was.
std::string WithoutForbidden(const std::string& text) {
    std::string shown;
    for (char c : text) {
        if (std::string("%'*\"+?><:\\").find(c) == std::string::npos) {
            shown += c;
        }
    }
    return shown;
}

int CountCrLf(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

} // namespace

TEST(HelpDialog, ShowsTheBuiltInTextWhenTheDatabaseHasNoHelpLines) {
    auto db = std::make_unique<RefrigerantDatabase>();
    CHelpDlg dialog(*db, kCaption);
    Script script;
    WaitShown(script, dialog).then([&] {
        const std::string shown = WindowText(Item(dialog, IDC_HELP_TEXT));
        EXPECT_EQ(shown, WithoutForbidden(builtInHelpText()));
        EXPECT_EQ(CountCrLf(shown), 62);
        EXPECT_NE(shown.find("\r\nIntroduction\r\n"), std::string::npos);
        EXPECT_EQ(shown.find(':'), std::string::npos);
        // 62 lines and the empty line after the last line end.
        EXPECT_EQ(SendMessageW(Item(dialog, IDC_HELP_TEXT), EM_GETLINECOUNT, 0, 0), 63);
        EXPECT_EQ(WindowText(dialog.hwnd()), "Help Info");
        // Read-only, multi-line, no word wrap (no horizontal scroll bar
        // style but horizontal auto-scroll).
        const LONG style = GetWindowLongW(Item(dialog, IDC_HELP_TEXT), GWL_STYLE);
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & ES_MULTILINE);
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_TRUE(style & WS_VSCROLL);
        EXPECT_EQ(WindowText(Item(dialog, IDC_HELP_LINK)), "Visit Varnu on the Web");
        // The label took over the static: clicks are notified.
        EXPECT_TRUE(GetWindowLongW(Item(dialog, IDC_HELP_LINK), GWL_STYLE) & SS_NOTIFY);
        EXPECT_EQ(WindowText(Item(dialog, IDC_HELP_DISCLAIMER)), "Disclaimer");
        EXPECT_EQ(WindowText(Item(dialog, IDOK)), "OK");
        // The focus is left to the system: OK, the first tab stop.
        EXPECT_EQ(GetFocus(), Item(dialog, IDOK));
        CaptureScreenIfAsked("help_dialog");
        Close(dialog.hwnd()); // Esc and the close box
    });
    const ScriptedRun run = runScripted(dialog, script);
    EXPECT_EQ(run.result, IDCANCEL);
}

TEST(HelpDialog, ALabelNamesTheTextAndTheLinkIsATabStop) {
    auto db = std::make_unique<RefrigerantDatabase>();
    CHelpDlg dialog(*db, kCaption);
    std::string read;
    const auto probed = [&dialog] {
        return std::to_wstring(reinterpret_cast<std::uintptr_t>(dialog.hwnd())) + L" " +
               std::to_wstring(IDC_HELP_TEXT);
    };
    Script script;
    WaitShown(script, dialog)
        .runHelper(L"screen_reader_probe.exe", probed, read)
        .then([&] {
            // Screen readers name the box after the control just before it,
            // now the label (with no size, it draws nothing), not the link.
            EXPECT_EQ(read.rfind(std::to_string(IDC_HELP_TEXT) + "|Help text|", 0), 0u) << read;
            EXPECT_EQ(GetNextDlgTabItem(dialog.hwnd(), Item(dialog, IDOK), FALSE),
                      Item(dialog, IDC_HELP_LINK));
            KeyStroke('H', true);
        })
        .waitUntil([&] { return GetFocus() == Item(dialog, IDC_HELP_TEXT); }, "Alt+H")
        .then([&] { PostClick(dialog.hwnd(), IDOK); });
    EXPECT_EQ(runScripted(dialog, script).result, IDOK);
}

TEST(HelpDialog, DisclaimerOpensAndClosesAnyNumberOfTimesOverTheOpenDialog) {
    auto db = std::make_unique<RefrigerantDatabase>();
    CHelpDlg dialog(*db, kCaption);
    Script script;
    WaitShown(script, dialog);
    for (int round = 0; round < 4; ++round) {
        script.then([&] { PostClick(dialog.hwnd(), IDC_HELP_DISCLAIMER); })
            .waitUntil([&] { return FindMessageBox(kCaption) != nullptr; },
                       "the disclaimer box to appear")
            .then([&, round] {
                HWND box = FindMessageBox(kCaption);
                EXPECT_EQ(MessageBoxText(box), std::string(disclaimerText())) << round;
                // An information box with OK only, over the help dialog,
                // which stays open and waits behind it.
                EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
                EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
                EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.hwnd());
                EXPECT_TRUE(IsWindowVisible(dialog.hwnd()));
                EXPECT_FALSE(IsWindowEnabled(dialog.hwnd()));
                if (round == 0) {
                    CaptureScreenIfAsked("disclaimer_box");
                }
                PressMessageBoxButton(box);
            })
            .waitUntil(
                [&] {
                    return FindMessageBox(kCaption) == nullptr && IsWindowEnabled(dialog.hwnd());
                },
                "the disclaimer box to close");
    }
    script.then([&] {
        EXPECT_TRUE(IsWindowVisible(dialog.hwnd()));
        PostClick(dialog.hwnd(), IDOK);
    });
    const ScriptedRun run = runScripted(dialog, script);
    EXPECT_EQ(run.result, IDOK);
}

TEST(HelpDialog, HelpButtonShowsTheShippedHelpLines) {
    ResetSettingsStore();
    MemorySettingsStore store;
    MainWindow window(store, TestIdentity(), kCaption);
    HWND help = nullptr;
    Script script;
    gui::WaitShown(script, window)
        .then([&] {
            ASSERT_GT(window.database().helpLineCount, 0);
            PostClick(window.hwnd(), IDC_MAIN_HELP);
        })
        .waitForDialog(L"Help Info", help)
        .then([&] {
            std::string joined;
            for (int i = 0; i < window.database().helpLineCount; ++i) {
                joined += window.database().helpLines[i];
                joined += "\r\n";
            }
            EXPECT_EQ(WindowText(GetDlgItem(help, IDC_HELP_TEXT)), WithoutForbidden(joined));
            // Owned by the main window, which waits disabled behind it.
            EXPECT_EQ(GetWindow(help, GW_OWNER), window.hwnd());
            EXPECT_FALSE(IsWindowEnabled(window.hwnd()));
            PostClick(help, IDOK);
        })
        .waitUntil([&] { return FindDialog(L"Help Info") == nullptr; }, "the help dialog to close")
        .then([&] {
            EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
            Close(window.hwnd());
        });
    runScripted(window, script);
}
