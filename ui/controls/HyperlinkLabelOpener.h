#pragma once
// How a hyperlink label opens its target: first with the default handler
// (ShellExecute "open"), then with the browser registered for ".htm" pages.
// The platform calls sit behind an interface so that the sequence can be
// checked without starting a browser.
#include <windows.h>

#include <string>

class HyperlinkOpener {
public:
    virtual ~HyperlinkOpener() = default;
    // ShellExecute "open" of the target; a result above 32 is success.
    virtual int shellOpen(const std::string& target, int showCommand);
    // The default value of a key under HKEY_CLASSES_ROOT into `store` (of
    // `capacity` characters, always terminated). False when the key cannot be
    // opened or its value does not fit.
    virtual bool readClassesRootDefault(const char* keyName, char* store, std::size_t capacity);
    // WinExec of a command line; its result (above 31 is success).
    virtual int runCommand(const char* commandLine, int showCommand);
    // The beep and the error box for a failed open.
    virtual void reportFailure(HWND owner, int code);
};

// The opener the labels use unless given another one.
HyperlinkOpener& defaultHyperlinkOpener();

// Opens the target: the ShellExecute result when it is above 32, otherwise
// the fallback through the registered ".htm" browser, whose WinExec result is
// returned. When the registry has no usable command, or the command line
// would not fit its 520-character store, the ShellExecute result is returned.
int openHyperlinkTarget(HyperlinkOpener& opener, const std::string& target, int showCommand);
