#pragma once
// The disclaimer box: the platform's message box over `owner`, captioned with
// the application name, information icon and OK. Returns when it is closed;
// the owner stays open and is usable again.
#include <string>
#include <windows.h>

void showDisclaimer(HWND owner, const std::wstring& applicationName);
