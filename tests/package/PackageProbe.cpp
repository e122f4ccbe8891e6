// A small Windows helper for the package tests, run under Wine:
//
//   package_probe shortcut <file.lnk>
//       prints the shortcut's target, working directory and arguments
//       ("target=...", "workdir=...", "arguments=..."), read through the
//       shell's own IShellLink.
//   package_probe main-window <timeout ms>
//       waits for the program's main window ("Varnu Capillary Tube
//       Selector") to be visible with the nine result rows; prints its
//       rectangle ("rect=left top width height") and the rows. Fails when
//       the data-file message box shows up instead (and presses its OK, so
//       that the program ends), or on the timeout.
//   package_probe close <timeout ms>
//       closes the main window (WM_CLOSE) and waits until it is gone.
//
// Exit code 0 when the check holds, 1 when it does not, 2 for wrong use.
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr wchar_t kMainCaption[] = L"Varnu Capillary Tube Selector";
constexpr wchar_t kLoadFailure[] = L"Could not read Olvane.tbx";
constexpr int kResultsListId = 1020;

std::string narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

int showShortcut(const wchar_t* path) {
    if (FAILED(CoInitialize(nullptr))) {
        std::puts("error=CoInitialize");
        return 1;
    }
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    int status = 1;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IShellLinkW, reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path, STGM_READ))) {
        wchar_t target[MAX_PATH] = {};
        wchar_t directory[MAX_PATH] = {};
        wchar_t arguments[1024] = {};
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetWorkingDirectory(directory, MAX_PATH);
        link->GetArguments(arguments, 1024);
        std::printf("target=%s\nworkdir=%s\narguments=%s\n", narrow(target).c_str(),
                    narrow(directory).c_str(), narrow(arguments).c_str());
        status = 0;
    } else {
        std::puts("error=cannot load the shortcut");
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return status;
}

std::wstring windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A visible dialog (message box) that says the data file could not be read.
HWND findLoadFailureBox() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") {
                return TRUE;
            }
            HWND child = nullptr;
            while ((child = FindWindowExW(window, child, nullptr, nullptr)) != nullptr) {
                if (windowText(child) == kLoadFailure) {
                    reinterpret_cast<Search*>(data)->found = window;
                    return FALSE;
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of one cell of a list view in another process.
std::wstring cellText(HWND list, DWORD processId, int row, int column) {
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 processId);
    if (process == nullptr) {
        return L"?";
    }
    constexpr SIZE_T kChars = 260;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t),
                                  MEM_COMMIT, PAGE_READWRITE);
    std::wstring text = L"?";
    if (remote != nullptr) {
        auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + sizeof(LVITEMW));
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = remoteText;
        item.cchTextMax = kChars;
        wchar_t buffer[kChars] = {};
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(remote)) >= 0 &&
            ReadProcessMemory(process, remoteText, buffer, sizeof buffer - sizeof(wchar_t),
                              nullptr)) {
            text = buffer;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

int waitForMainWindow(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND box = findLoadFailureBox()) {
            std::printf("error=the program says \"%s\"\n", narrow(kLoadFailure).c_str());
            PostMessageW(box, WM_COMMAND, IDOK, 0); // the program then ends
            return 1;
        }
        HWND window = FindWindowW(L"#32770", kMainCaption);
        HWND list = window != nullptr ? GetDlgItem(window, kResultsListId) : nullptr;
        if (window != nullptr && IsWindowVisible(window) && list != nullptr &&
            SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 9) {
            RECT rect{};
            GetWindowRect(window, &rect);
            std::printf("rect=%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top);
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            for (int row = 0; row < 9; ++row) {
                std::printf("row=%s | %s\n", narrow(cellText(list, processId, row, 0)).c_str(),
                            narrow(cellText(list, processId, row, 1)).c_str());
            }
            return 0;
        }
        if (GetTickCount() - start > timeoutMs) {
            std::puts(window == nullptr ? "error=no main window"
                                        : "error=the main window shows no nine result rows");
            return 1;
        }
        Sleep(50);
    }
}

int closeMainWindow(DWORD timeoutMs) {
    HWND window = FindWindowW(L"#32770", kMainCaption);
    if (window == nullptr) {
        std::puts("error=no main window");
        return 1;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs) {
            std::puts("error=the main window did not close");
            return 1;
        }
        Sleep(50);
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"shortcut" && argc == 3) {
        return showShortcut(argv[2]);
    }
    if (command == L"main-window" && argc == 3) {
        return waitForMainWindow(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    }
    if (command == L"close" && argc == 3) {
        return closeMainWindow(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    }
    std::fputs("usage: package_probe shortcut <file.lnk> | main-window <ms> | close <ms>\n",
               stderr);
    return 2;
}
