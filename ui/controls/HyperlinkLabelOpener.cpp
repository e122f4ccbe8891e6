#include "ui/controls/HyperlinkLabelOpener.h"

#include "ui/controls/rules/HyperlinkText.h"
#include "win32/ProgramFile.h"
#include "win32/Text1252.h"
#include "win32/Unique.h"

#include <cstring>
#include <shellapi.h>

namespace {

constexpr std::size_t REGISTRY_VALUE_CAPACITY = 260;

} // namespace

int HyperlinkOpener::shellOpen(const std::string& target, int showCommand) {
    const std::wstring wide = widen1252(target);
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool HyperlinkOpener::readClassesRootDefault(const char* keyName, char* store,
                                             std::size_t capacity) {
    if (store == nullptr || capacity == 0) {
        return false;
    }
    store[0] = '\0';
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegistryKey key(opened);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(capacity - 1); // room for a terminating zero
    if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(store),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        store[0] = '\0';
        return false;
    }
    store[size < capacity ? size : capacity - 1] = '\0';
    return true;
}

int HyperlinkOpener::runCommand(const char* commandLine, int showCommand) {
    return static_cast<int>(WinExec(commandLine, static_cast<UINT>(showCommand)));
}

void HyperlinkOpener::reportFailure(HWND owner, int code) {
    MessageBeep(MB_ICONEXCLAMATION);
    const std::wstring text = widen1252(hyperlinkErrorText(code));
    const std::wstring caption = programBaseName();
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

HyperlinkOpener& defaultHyperlinkOpener() {
    static HyperlinkOpener opener;
    return opener;
}

int openHyperlinkTarget(HyperlinkOpener& opener, const std::string& target, int showCommand) {
    const int shellResult = opener.shellOpen(target, showCommand);
    if (shellResult > 32) {
        return shellResult;
    }
    char className[REGISTRY_VALUE_CAPACITY];
    if (!opener.readClassesRootDefault(".htm", className, sizeof className)) {
        return shellResult;
    }
    const std::string commandKey = std::string(className) + "\\shell\\open\\command";
    char registered[REGISTRY_VALUE_CAPACITY];
    if (!opener.readClassesRootDefault(commandKey.c_str(), registered, sizeof registered)) {
        return shellResult;
    }
    char commandLine[BROWSER_COMMAND_CAPACITY];
    if (!buildBrowserCommand(registered, target.c_str(), commandLine, sizeof commandLine)) {
        return shellResult; // refused rather than run cut short
    }
    return opener.runCommand(commandLine, showCommand);
}
