// Process start: the common controls, the settings store, then the main
// window run modally. The process ends when it returns; there is no message
// loop of the program's own.
#include "app/ReadAppIdentity.h"
#include "app/RegistrySettingsStore.h"
#include "settings/SettingsNames.h"
#include "ui/main/MainWindow.h"
#include "win32/DebugTrace.h"
#include "win32/ProgramFile.h"
#include "win32/Text1252.h"

#include <commctrl.h>
#include <exception>
#include <string>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    const std::wstring applicationName = programBaseName();
    RegistrySettingsStore store(widen1252(SETTINGS_COMPANY_KEY), applicationName);
    try {
        MainWindow window(store, readAppIdentity(), applicationName);
        window.runModal();
    } catch (const std::exception& error) {
        // Nothing is left to save; the process ends like after a normal close.
        traceLine(std::string("an exception ended the program: ") + error.what());
    } catch (...) {
        traceLine("an exception ended the program");
    }
    return 0;
}
