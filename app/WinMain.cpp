// Process start: the common controls, the settings store, then the main
// window run modally. The process ends when it returns; there is no message
// loop of the program's own.
#include "app/ProgramFile.h"
#include "app/ReadAppIdentity.h"
#include "app/RegistrySettingsStore.h"
#include "app/SettingsNames.h"
#include "ui/framework/Text1252.h"
#include "ui/main/MainWindow.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    const std::wstring applicationName = ApplicationName();
    RegistrySettingsStore store(Widen1252(SETTINGS_COMPANY_KEY), applicationName);
    try {
        MainWindow window(store, ReadAppIdentity(), applicationName);
        window.runModal();
    } catch (...) {
        // Nothing is left to save; the process ends like after a normal close.
    }
    return 0;
}
