// The main window by keyboard and through a screen reader: what a second
// process reads of the controls, the Tab order, the access keys and F1.
#include "app/ReadAppIdentity.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "win32/ProgramFile.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <vector>

using namespace gui;

namespace {

std::map<HWND, int> nameChanges;

void CALLBACK countNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    ++nameChanges[window];
}

bool underWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

} // namespace

TEST(MainWindowAccess, ScreenReaderReadsTheNamesAgainAfterAUnitChange) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    std::string read[2];
    int before = 0;
    const auto probeArguments = [&window] {
        return std::to_wstring(reinterpret_cast<std::uintptr_t>(window.hwnd())) +
               L" 1017 1003 1004 1005 1006 1020 1019 1018 1016";
    };
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, countNameChange,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    Script script;
    WaitShown(script, window).runHelper(L"screen_reader_probe.exe", probeArguments, read[0]);
    script.then([] { nameChanges.clear(); });
    ChangeSettings(
        script, window,
        [](HWND dialog) {
            CheckRadio(dialog, IDC_SETTINGS_TEMPERATURE_F, IDC_SETTINGS_TEMPERATURE_C);
        },
        IDOK, before);
    script.runHelper(L"screen_reader_probe.exe", probeArguments, read[1]).then([&] {
        // Only the three temperatures were renamed, each once.
        for (int id : {IDC_MAIN_EVAP_TEMP, IDC_MAIN_COND_TEMP, IDC_MAIN_RETURN_GAS_TEMP}) {
            EXPECT_EQ(nameChanges[Item(window, id)], 1) << id;
        }
        EXPECT_EQ(nameChanges.count(Item(window, IDC_MAIN_HEAT_LOAD)), 0u);
        Close(window.hwnd());
    });
    runScripted(window, script);
    UnhookWinEvent(hook);

    const std::string fields[2][4] = {
        {"1003|Heat load of the system (W)|42|110|ALT+L",
         "1004|Evaporating temperature (\xB0" "C)|42|-25|ALT+E",
         "1005|Condensing temperature (\xB0" "C)|42|55|ALT+C",
         "1006|Return gas temperature (\xB0" "C)|42|32|ALT+G"},
        {"1003|Heat load of the system (W)|42|110|ALT+L",
         "1004|Evaporating temperature (\xB0" "F)|42|-13|ALT+E",
         "1005|Condensing temperature (\xB0" "F)|42|131|ALT+C",
         "1006|Return gas temperature (\xB0" "F)|42|89.6|ALT+G"}};
    for (int i = 0; i < 2; ++i) {
        // The shortcut's letter keeps the label's case under Wine: compared
        // in capitals.
        int bars = 0;
        for (char& c : read[i]) {
            bars = c == '\n' ? 0 : bars + (c == '|' ? 1 : 0);
            c = bars == 4 ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        }
        for (const std::string& line : fields[i]) {
            EXPECT_NE(read[i].find(line + "\n"), std::string::npos) << line << " in\n" << read[i];
        }
        // Wine reads the selector, the list and the buttons as plain clients
        // named by their window text; Windows by their labels and roles.
        for (const char* line : {"1017|Refrigerant|46|", "1020|Capillary Tube Recommendation. ",
                                 "1019|Help|43|", "1018|Print|43|", "1016|Settings|43|"}) {
            const std::string id = std::string(line).substr(0, 5);
            EXPECT_NE(read[i].find(id), std::string::npos) << id << " in\n" << read[i];
            EXPECT_EQ(read[i].find(id + "no object"), std::string::npos) << read[i];
            EXPECT_TRUE(underWine() || read[i].find(line) != std::string::npos) << line;
        }
    }
}

TEST(MainWindowAccess, TabStaysOnScreenAccessKeysMoveTheFocusF1OpensHelp) {
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    std::vector<int> walked;
    HWND help = nullptr;
    Script script;
    WaitShown(script, window).then([&] { SetFocus(Item(window, IDC_MAIN_REFRIGERANT)); });
    for (int i = 0; i < 11; ++i) {
        script.then([&] {
            const HWND focus = GetFocus();
            walked.push_back(GetDlgCtrlID(focus));
            RECT client{};
            RECT rect{};
            GetClientRect(window.hwnd(), &client);
            GetWindowRect(focus, &rect);
            MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
            RECT inside{};
            IntersectRect(&inside, &rect, &client);
            EXPECT_TRUE(IsWindowVisible(focus) && EqualRect(&inside, &rect)) << walked.back();
            PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
        });
    }
    const std::vector<int> stops = {IDC_MAIN_REFRIGERANT, IDC_MAIN_HEAT_LOAD, IDC_MAIN_EVAP_TEMP,
                                    IDC_MAIN_COND_TEMP,   IDC_MAIN_RETURN_GAS_TEMP,
                                    IDC_MAIN_RESULTS,     IDC_MAIN_HOMEPAGE, IDC_MAIN_HELP,
                                    IDC_MAIN_PRINT,       IDC_MAIN_SETTINGS, IDC_MAIN_REFRIGERANT};
    script.then([&] { EXPECT_EQ(walked, stops); });
    const std::pair<char, int> keys[] = {{'t', IDC_MAIN_RESULTS},   {'l', IDC_MAIN_HEAT_LOAD},
                                         {'E', IDC_MAIN_EVAP_TEMP}, {'c', IDC_MAIN_COND_TEMP},
                                         {'g', IDC_MAIN_RETURN_GAS_TEMP},
                                         {'r', IDC_MAIN_REFRIGERANT}};
    for (const auto& key : keys) {
        script.then([&] { PostMessageW(GetFocus(), WM_SYSCHAR, key.first, 1 << 29); }).then([&] {
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), key.second) << key.first;
        });
    }
    // F1 from the keyboard, with the focus in the list.
    script
        .then([&] {
            SetFocus(Item(window, IDC_MAIN_RESULTS));
            INPUT press[2] = {};
            press[0].type = press[1].type = INPUT_KEYBOARD;
            press[0].ki.wVk = press[1].ki.wVk = VK_F1;
            press[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, press, sizeof(INPUT));
        })
        .waitForDialog(L"Help Info", help)
        .then([&] { Close(help); })
        .waitUntil([] { return FindDialog(L"Help Info") == nullptr; }, "the help dialog to close")
        .then([&] { Close(window.hwnd()); });
    runScripted(window, script);
}
