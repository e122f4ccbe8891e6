// The main window by keyboard and through a screen reader in a second
// process (\260 is the degree sign, 0xB0).
#include "app/ReadAppIdentity.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <map>

using namespace gui;

namespace {

std::map<HWND, int> nameChanges;

// New names of controls' contents (not of windows: Windows raises those for
// a changed window text itself).
void CALLBACK countNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    nameChanges[window] += object == OBJID_CLIENT ? 1 : 0;
}

// Wine keeps the case of an access key's letter in the shortcut.
std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

// The probe prints "id|name|role|value|shortcut" per control.
TEST(MainWindowAccess, ScreenReaderReadsTheNamesAgainAfterAUnitChange) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    std::string read[2];
    int before = 0;
    const auto ids = [&window] {
        return std::to_wstring(reinterpret_cast<std::uintptr_t>(window.hwnd())) +
               L" 1017 1003 1004 1005 1006 1020 1019";
    };
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, countNameChange,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    Script script;
    WaitShown(script, window).runHelper(L"screen_reader_probe.exe", ids, read[0]).then([] {
        nameChanges.clear();
    });
    ChangeSettings(
        script, window,
        [](HWND box) { CheckRadio(box, IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C); },
        IDOK, before);
    script.runHelper(L"screen_reader_probe.exe", ids, read[1]).then([&] {
        for (int id : {IDC_MAIN_EVAP_TEMP, IDC_MAIN_COND_TEMP, IDC_MAIN_RETURN_GAS_TEMP}) {
            EXPECT_EQ(nameChanges[Item(window, id)], 1) << id;
        }
        EXPECT_EQ(nameChanges[Item(window, IDC_MAIN_HEAT_LOAD)], 0);
        Close(window.hwnd());
    });
    runScripted(window, script);
    UnhookWinEvent(hook);

    const char* const fields[2][4] = {{"1003|Heat load of the system (W)|42|110|Alt+L",
                                       "1004|Evaporating temperature (\260C)|42|-25|Alt+E",
                                       "1005|Condensing temperature (\260C)|42|55|Alt+C",
                                       "1006|Return gas temperature (\260C)|42|32|Alt+G"},
                                      {"1003|Heat load of the system (W)|42|110|Alt+L",
                                       "1004|Evaporating temperature (\260F)|42|-13|Alt+E",
                                       "1005|Condensing temperature (\260F)|42|131|Alt+C",
                                       "1006|Return gas temperature (\260F)|42|89.6|Alt+G"}};
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(read[i].find("no object"), std::string::npos) << read[i];
        for (const char* line : fields[i]) {
            EXPECT_NE(lower(read[i]).find(lower(line) + "\n"), std::string::npos) << read[i];
        }
        // Wine reads the selector, the list and the buttons as plain clients
        // named by their window text; Windows by their labels, with roles.
        for (const char* line :
             {"1017|Refrigerant|46|", "1020|Capillary Tube Recommendation. ",
              "highlighted in yellow.|33|", "1019|Help|43|"}) {
            EXPECT_TRUE(wine || read[i].find(line) != std::string::npos) << line;
        }
    }
}

// Template order is the tab order, and the order in which screen readers
// look for a control's label: each named control follows its label, a
// visible window of no size; the three kept values are hidden. Tab ten
// times, then Alt with each label's key; F1 with the focus in the list.
TEST(MainWindowAccess, LabelsLeadTabStaysOnScreenAccessKeysMoveTheFocusF1OpensHelp) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    const std::string keys = std::string(10, '\t') + "tlEcgr";
    std::vector<int> focused; // -1 for a focus that is hidden or not wholly in the client
    HWND help = nullptr;
    Script script;
    WaitShown(script, window).then([&] {
        const int order[] = {IDC_MAIN_REFRIGERANT_LABEL,
                             IDC_MAIN_REFRIGERANT,
                             IDC_MAIN_HEAT_LOAD_LABEL,
                             IDC_MAIN_HEAT_LOAD,
                             IDC_MAIN_EVAP_TEMP_LABEL,
                             IDC_MAIN_EVAP_TEMP,
                             IDC_MAIN_COND_TEMP_LABEL,
                             IDC_MAIN_COND_TEMP,
                             IDC_MAIN_RETURN_GAS_TEMP_LABEL,
                             IDC_MAIN_RETURN_GAS_TEMP,
                             IDC_MAIN_RESULTS_LABEL,
                             IDC_MAIN_RESULTS,
                             IDC_MAIN_HOMEPAGE,
                             IDC_MAIN_HELP,
                             IDC_MAIN_PRINT,
                             IDC_MAIN_SETTINGS,
                             IDC_MAIN_AMBIENT_TEMP,
                             IDC_MAIN_UNUSED_1000,
                             IDC_MAIN_UNUSED_1007};
        HWND child = GetWindow(window.hwnd(), GW_CHILD);
        for (size_t i = 0; i < std::size(order); ++i) {
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(GetDlgCtrlID(child), order[i]);
            EXPECT_EQ(IsWindowVisible(child) != FALSE, i < 16) << order[i];
            const RECT rect = ChildRect(window.hwnd(), child);
            EXPECT_EQ(IsRectEmpty(&rect) != FALSE, order[i] >= IDC_MAIN_REFRIGERANT_LABEL)
                << order[i];
            child = GetWindow(child, GW_HWNDNEXT);
        }
        EXPECT_EQ(WindowText(Item(window, IDC_MAIN_REFRIGERANT_LABEL)), "&Refrigerant");
        EXPECT_EQ(WindowText(Item(window, IDC_MAIN_RESULTS_LABEL)),
                  "Capillary &Tube Recommendation. Flow Rate: 5.0 l/min (N2 at delta p 10 bar). "
                  "Optimal selection is highlighted in yellow.");
        for (int id :
             {IDC_MAIN_HEAT_LOAD, IDC_MAIN_EVAP_TEMP, IDC_MAIN_COND_TEMP, IDC_MAIN_RETURN_GAS_TEMP,
              IDC_MAIN_AMBIENT_TEMP, IDC_MAIN_UNUSED_1000, IDC_MAIN_UNUSED_1007}) {
            const LONG style = GetWindowLongW(Item(window, id), GWL_STYLE);
            // The dialog manager turns an edit's WS_BORDER into a client edge.
            const LONG extended = GetWindowLongW(Item(window, id), GWL_EXSTYLE);
            EXPECT_TRUE((style & WS_BORDER) || (extended & WS_EX_CLIENTEDGE)) << id;
            EXPECT_TRUE(style & ES_AUTOHSCROLL) << id;
        }
        // No button is the default one.
        for (int id : {IDC_MAIN_HELP, IDC_MAIN_PRINT, IDC_MAIN_SETTINGS}) {
            EXPECT_NE(GetWindowLongW(Item(window, id), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        }
        SetFocus(Item(window, IDC_MAIN_REFRIGERANT));
    });
    for (std::size_t i = 0; i <= keys.size(); ++i) {
        script.then([&, i] {
            const HWND focus = GetFocus();
            RECT client{};
            RECT inside{};
            GetClientRect(window.hwnd(), &client);
            const RECT rect = ChildRect(window.hwnd(), focus);
            IntersectRect(&inside, &rect, &client);
            focused.push_back(
                IsWindowVisible(focus) && EqualRect(&inside, &rect) ? GetDlgCtrlID(focus) : -1);
            if (i < keys.size() && keys[i] == '\t') {
                PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
            } else if (i < keys.size()) {
                PostMessageW(focus, WM_SYSCHAR, static_cast<WPARAM>(keys[i]), 1 << 29);
            }
        });
    }
    script
        .then([&] {
            EXPECT_EQ(focused,
                      (std::vector<int>{1017, 1003, 1004, 1005, 1006, 1020, 1022, 1019, 1018, 1016,
                                        1017, 1020, 1003, 1004, 1005, 1006, 1017}));
            SetFocus(Item(window, IDC_MAIN_RESULTS));
            KeyStroke(VK_F1);
        })
        .waitForDialog(L"Help Info", help)
        .then([&] { Close(help); })
        .waitUntil([] { return FindDialog(L"Help Info") == nullptr; }, "the help dialog to close")
        .then([&] { Close(window.hwnd()); });
    runScripted(window, script);
}

// What UI Automation clients (Narrator) read of every Tab stop: a name,
// focusable, on screen. Windows only: Wine 8 has no UI Automation client.
TEST(MainWindowAccess, UiAutomationFindsEveryTabStopNamedFocusableAndOnScreen) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
        GTEST_SKIP() << "no UI Automation client under Wine";
    }
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    const int stops[] = {1017, 1003, 1004, 1005, 1006, 1020, 1022, 1019, 1018, 1016};
    std::string read;
    Script script;
    WaitShown(script, window)
        .runHelper(L"screen_reader_probe.exe",
                   [&] {
                       std::wstring arguments =
                           L"uia " + std::to_wstring(reinterpret_cast<std::uintptr_t>(window.hwnd()));
                       for (int id : stops) {
                           arguments += L" " + std::to_wstring(id);
                       }
                       return arguments;
                   },
                   read)
        .then([&] { Close(window.hwnd()); });
    runScripted(window, script);
    for (int id : stops) {
        const std::string start = std::to_string(id) + "|";
        const std::size_t at = read.find(start);
        ASSERT_NE(at, std::string::npos) << read;
        const std::string line = read.substr(at, read.find('\n', at) - at);
        EXPECT_NE(line.substr(start.size(), 1), "|") << line; // a name
        EXPECT_EQ(line.substr(line.size() - 4), "|1|0") << line;
    }
}
