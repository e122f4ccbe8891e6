#include "ui/dialogs/Disclaimer.h"

#include "ui/dialogs/rules/DisclaimerText.h"
#include "win32/Text1252.h"

void showDisclaimer(HWND owner, const std::wstring& applicationName) {
    MessageBoxW(owner, widen1252(disclaimerText()).c_str(), applicationName.c_str(),
                MB_OK | MB_ICONINFORMATION);
}
