#include "ui/dialogs/Disclaimer.h"

#include "ui/dialogs/rules/DisclaimerText.h"
#include "win32/Text1252.h"

void ShowDisclaimer(HWND owner, const std::wstring& applicationName) {
    MessageBoxW(owner, Widen1252(DisclaimerText()).c_str(), applicationName.c_str(),
                MB_OK | MB_ICONINFORMATION);
}
