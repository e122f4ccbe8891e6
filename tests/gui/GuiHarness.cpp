#include "tests/gui/GuiHarness.h"

#include "app/ReadAppIdentity.h"
#include "tests/core/TestDataFiles.h"
#include "win32/ProgramFile.h"
#include "win32/Text1252.h"
#include "win32/Unique.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

namespace gui {

// ---- Scripted modal runs -------------------------------------------------

Script& Script::then(std::function<void()> action) {
    steps_.push_back({[action = std::move(action)] {
                          action();
                          return true;
                      },
                      "step " + std::to_string(steps_.size() + 1)});
    return *this;
}

Script& Script::waitUntil(std::function<bool()> condition, std::string what) {
    steps_.push_back({std::move(condition), std::move(what)});
    return *this;
}

Script& Script::waitForDialog(const std::wstring& caption, HWND& found) {
    HWND* target = &found;
    return waitUntil(
        [caption, target] {
            *target = FindDialog(caption);
            return *target != nullptr;
        },
        "the dialog \"" + narrow1252(caption) + "\" to appear");
}

Script& Script::runHelper(const std::wstring& program, std::function<std::wstring()> arguments,
                          std::string& output) {
    auto process = std::make_shared<PROCESS_INFORMATION>();
    auto file = std::make_shared<std::wstring>();
    then([=] {
        wchar_t path[MAX_PATH] = {};
        wchar_t folder[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring commandLine(path);
        commandLine = L"\"" + commandLine.substr(0, commandLine.find_last_of(L"\\/") + 1) +
                      program + L"\" " + arguments();
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"olv", 0, path);
        *file = path;
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        const HANDLE out = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                                       CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = out;
        startup.hStdError = out;
        EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   nullptr, &startup, process.get()))
            << narrow1252(commandLine);
        CloseHandle(out);
    });
    std::string* target = &output;
    return waitUntil(
        [process, file, target] {
            if (process->hProcess != nullptr &&
                WaitForSingleObject(process->hProcess, 0) == WAIT_TIMEOUT) {
                return false;
            }
            CloseHandle(process->hProcess);
            CloseHandle(process->hThread);
            {
                std::ifstream in(file->c_str()); // text: CR LF read as LF
                target->assign(std::istreambuf_iterator<char>(in), {});
            }
            DeleteFileW(file->c_str());
            return true;
        },
        "the program " + narrow1252(program) + " to end");
}

bool Script::runStep() {
    if (finished()) {
        return false;
    }
    if (steps_[next_].run()) {
        ++next_;
        return true;
    }
    return false;
}

std::string Script::currentStepName() const {
    return finished() ? std::string("(none)") : steps_[next_].name;
}

namespace {

constexpr UINT kStepPeriodMs = 5;

struct RunState {
    Script* script = nullptr;
    double deadline = 0;
    bool inStep = false;
    bool timedOut = false;
    // A hardware exception (access violation and the like) raised while a
    // step ran. The system's message dispatch swallows an exception raised
    // in a timer procedure, so the step would simply never finish.
    DWORD faultCode = 0;
    void* faultAddress = nullptr;
};

RunState* activeRun = nullptr;

LONG CALLBACK noteFault(EXCEPTION_POINTERS* exception) {
    const DWORD code = exception->ExceptionRecord->ExceptionCode;
    // Only the codes of real faults; C++ exceptions and debugger
    // notifications pass unnoted.
    const bool fault =
        code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_ILLEGAL_INSTRUCTION ||
        code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_STACK_OVERFLOW ||
        code == EXCEPTION_ARRAY_BOUNDS_EXCEEDED || code == EXCEPTION_PRIV_INSTRUCTION;
    RunState* run = activeRun;
    if (fault && run != nullptr && run->inStep && run->faultCode == 0) {
        run->faultCode = code;
        run->faultAddress = exception->ExceptionRecord->ExceptionAddress;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

std::string moduleOffset(void* address) {
    HMODULE module = nullptr;
    char name[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(address), &module)) {
        GetModuleFileNameA(module, name, MAX_PATH);
    }
    char text[MAX_PATH + 32];
    std::snprintf(text, sizeof text, "%s+0x%llx", name,
                  static_cast<unsigned long long>(static_cast<char*>(address) -
                                                  reinterpret_cast<char*>(module)));
    return text;
}

void endEveryDialog() {
    // Innermost (topmost) first, so each modal loop can unwind.
    for (HWND dialog : ThreadDialogs()) {
        EndDialog(dialog, IDCANCEL);
    }
}

void CALLBACK onStepTimer(HWND, UINT, UINT_PTR, DWORD) {
    RunState* run = activeRun;
    if (run == nullptr || run->timedOut || run->script->finished()) {
        return;
    }
    // The deadline holds even while a step is stuck in a nested modal loop
    // (a sent instead of posted click): ending the dialogs lets it return.
    if (performanceMilliseconds() > run->deadline) {
        run->timedOut = true;
        ADD_FAILURE() << "GUI script timed out waiting for: " << run->script->currentStepName();
        endEveryDialog();
        return;
    }
    if (run->inStep) {
        // Either a step pumps messages (a nested loop) or a fault ended it
        // without a return.
        if (run->faultCode != 0) {
            run->timedOut = true;
            ADD_FAILURE() << "GUI script step \"" << run->script->currentStepName()
                          << "\" faulted: exception 0x" << std::hex << run->faultCode << " at "
                          << moduleOffset(run->faultAddress);
            endEveryDialog();
        }
        return;
    }
    run->inStep = true;
    run->faultCode = 0;
    // An exception must not unwind through the system's message dispatch:
    // Wine swallows it there, and the run would wait for a step that never
    // ends. It fails the test and ends the run instead.
    try {
        run->script->runStep();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "GUI script step \"" << run->script->currentStepName()
                      << "\" threw: " << error.what();
        run->timedOut = true;
        endEveryDialog();
    } catch (...) {
        ADD_FAILURE() << "GUI script step \"" << run->script->currentStepName()
                      << "\" threw an exception";
        run->timedOut = true;
        endEveryDialog();
    }
    run->inStep = false;
}

BOOL CALLBACK collectDialog(HWND window, LPARAM list) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

} // namespace

ScriptedRun runScripted(Dialog& dialog, Script& script, int timeoutMs) {
    RunState state;
    state.script = &script;
    state.deadline = performanceMilliseconds() + timeoutMs;
    RunState* const outer = activeRun;
    activeRun = &state;
    const UINT_PTR timer = SetTimer(nullptr, 0, kStepPeriodMs, &onStepTimer);
    PVOID faultHandler = AddVectoredExceptionHandler(1, &noteFault);

    ScriptedRun run;
    run.result = dialog.runModal(nullptr);

    if (faultHandler != nullptr) {
        RemoveVectoredExceptionHandler(faultHandler);
    }
    KillTimer(nullptr, timer);
    activeRun = outer;
    run.scriptFinished = script.finished();
    run.timedOut = state.timedOut;
    if (!run.scriptFinished && !run.timedOut) {
        ADD_FAILURE() << "the dialog ended before the script; next was: "
                      << script.currentStepName();
    }
    return run;
}

Script& WaitShown(Script& script, const Dialog& dialog) {
    return script.waitUntil(
        [&dialog] { return dialog.hwnd() != nullptr && IsWindowVisible(dialog.hwnd()); },
        "the window to be shown");
}

// ---- Windows ----------------------------------------------------------------

std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), &collectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

HWND FindDialog(const std::wstring& caption) {
    for (HWND dialog : ThreadDialogs()) {
        wchar_t text[256] = {};
        GetWindowTextW(dialog, text, 256);
        if (caption == text) {
            return dialog;
        }
    }
    return nullptr;
}

HWND Item(const Dialog& dialog, int controlId) {
    return GetDlgItem(dialog.hwnd(), controlId);
}

std::string WindowText(HWND window) {
    if (window == nullptr) {
        return std::string();
    }
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return narrow1252(text);
}

RECT ChildRect(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND FindMessageBox(const std::wstring& caption) {
    return FindDialog(caption);
}

std::string MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF)); // the message box's text control
}

void PressMessageBoxButton(HWND box, int buttonId) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

void TypeText(HWND field, const std::string& characters) {
    for (const char character : characters) {
        SendMessageW(field, WM_CHAR, static_cast<WPARAM>(widen1252(character)), 1);
    }
}

void PressKey(HWND field, UINT virtualKey) {
    SendMessageW(field, WM_KEYDOWN, virtualKey, 1);
    SendMessageW(field, WM_KEYUP, virtualKey, 0xC0000001);
}

void KeyStroke(UINT virtualKey, bool alt) {
    std::vector<UINT> keys{virtualKey};
    if (alt) {
        keys.insert(keys.begin(), VK_MENU);
    }
    // The presses in order, then the releases in the opposite order.
    std::vector<INPUT> inputs(keys.size() * 2);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        INPUT& press = inputs[i];
        INPUT& release = inputs[inputs.size() - 1 - i];
        press.type = release.type = INPUT_KEYBOARD;
        press.ki.wVk = release.ki.wVk = static_cast<WORD>(keys[i]);
        release.ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SetSelection(HWND field, int start, int end) {
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void ReplaceText(HWND field, const std::string& text) {
    SetSelection(field, 0, -1);
    if (text.empty()) {
        PressKey(field, VK_DELETE);
    }
    TypeText(field, text);
}

void SelectComboItem(HWND dialog, int comboId, int index) {
    HWND combo = GetDlgItem(dialog, comboId);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void Tick(HWND mainWindow) {
    SendMessageW(mainWindow, WM_TIMER, 100, 0);
}

void PostClick(HWND dialog, int buttonId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

void CheckRadio(HWND dialog, int checkedId, int uncheckedId) {
    SendDlgItemMessageW(dialog, checkedId, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageW(dialog, uncheckedId, BM_SETCHECK, BST_UNCHECKED, 0);
}

void Close(HWND dialog) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

std::vector<std::pair<std::string, std::string>> ListRows(HWND list) {
    std::vector<std::pair<std::string, std::string>> rows;
    const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::string columns[2];
        for (int column = 0; column < 2; ++column) {
            wchar_t text[256] = {};
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
            columns[column] = narrow1252(text);
        }
        rows.emplace_back(columns[0], columns[1]);
    }
    return rows;
}

int SelectedRow(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ClickListRow(HWND dialog, HWND list, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    click.hdr.code = static_cast<UINT>(NM_CLICK);
    click.iItem = row;
    SendMessageW(dialog, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

void PutOnClipboard(HWND owner, const std::wstring& text) {
    bool opened = false;
    for (int attempt = 0; attempt < 50 && !opened; ++attempt) {
        opened = OpenClipboard(owner) != FALSE;
        if (!opened) {
            Sleep(10);
        }
    }
    if (!opened) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return;
    }
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* locked = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (locked != nullptr) {
        std::memcpy(locked, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    // The clipboard owns the memory once SetClipboardData took it.
    if (locked == nullptr || SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        ADD_FAILURE() << "the text cannot be put on the clipboard";
        if (memory != nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner)) {
        return text;
    }
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* locked = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (locked != nullptr) {
        text = locked;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// ---- Settings store of the test program -----------------------------------

std::wstring TestStorePath() {
    return L"Software\\Varnu Olvane 3\\" + programBaseName();
}

void ResetSettingsStore() {
    RegDeleteTreeW(HKEY_CURRENT_USER, TestStorePath().c_str());
}

RegistrySettingsStore TestStore() {
    return RegistrySettingsStore(L"Varnu Olvane 3", programBaseName());
}

std::optional<std::int32_t> StoredValue(const char* section, const char* name) {
    // Two different defaults tell a missing value from a stored one.
    RegistrySettingsStore store = TestStore();
    const std::int32_t first = store.readInt(section, name, 0x5EEDF00D);
    const std::int32_t second = store.readInt(section, name, 0x0BADCAFE);
    if (first != second) {
        return std::nullopt;
    }
    return first;
}

void StoreValue(const char* section, const char* name, std::int32_t value) {
    TestStore().writeInt(section, name, value);
}

std::vector<std::string> StoredValueNames(const char* section) {
    std::vector<std::string> names;
    const std::wstring path = TestStorePath() + L"\\" + widen1252(section);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return names;
    }
    const UniqueRegistryKey key(opened);
    for (DWORD index = 0;; ++index) {
        wchar_t name[256] = {};
        DWORD length = 256;
        if (RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.push_back(narrow1252(std::wstring(name, length)));
    }
    return names;
}

AppIdentity TestIdentity() {
    return readAppIdentity();
}

// ---- Working directory and data files --------------------------------------

TempWorkingDirectory::TempWorkingDirectory() {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    previous_ = current;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring candidate = std::wstring(temp) + L"olvane-gui-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(++counter);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate;
            break;
        }
    }
    if (path_.empty() || !SetCurrentDirectoryW(path_.c_str())) {
        ADD_FAILURE() << "cannot make a temporary working directory";
    }
}

TempWorkingDirectory::~TempWorkingDirectory() {
    SetCurrentDirectoryW(previous_.c_str());
    if (path_.empty()) {
        return;
    }
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                DeleteFileW((path_ + L"\\" + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
}

bool TempWorkingDirectory::writeDataFile(const std::string& plainText) {
    return writeRawDataFile(scrambleForTest(plainText));
}

bool TempWorkingDirectory::writeRawDataFile(const std::vector<unsigned char>& bytes) {
    const bool written = writeBinaryFile(narrow1252(path_) + "\\Olvane.tbx", bytes);
    EXPECT_TRUE(written) << "cannot write the test data file";
    return written;
}

std::string DataTextWithRefrigerants(int count) {
    DataTextParts parts;
    parts.records.clear();
    for (int i = 1; i <= count; ++i) {
        parts.records.push_back(testRecordLine("R" + std::to_string(i)));
    }
    return buildDataText(parts);
}

// ---- Measurements and pictures ------------------------------------------

double MillisecondsSinceProcessStart() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return -1;
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0; // 100 ns units
}

std::vector<std::uint32_t> Render(int width, int height, const std::function<void(HDC)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    UniqueBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDC memory(CreateCompatibleDC(screen));
    ReleaseDC(nullptr, screen);
    std::vector<std::uint32_t> pixels;
    if (bitmap && memory && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
        draw(memory.get());
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels.assign(first,
                      first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        SelectObject(memory.get(), old);
    }
    return pixels;
}

namespace {

bool picturesAsked() {
    const char* folder = std::getenv("OLVANE_SCREENSHOT_DIR");
    return folder != nullptr && *folder != '\0';
}

} // namespace

void SavePictureIfAsked(const std::string& name, int width, int height,
                        const std::vector<std::uint32_t>& pixels) {
    if (!picturesAsked() || width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    const auto stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * static_cast<std::size_t>(height));
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up, as BMP files store rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = file.bfSize - file.bfOffBits;
    std::vector<unsigned char> image(stride * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = &image[stride * static_cast<std::size_t>(height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = static_cast<unsigned char>(p & 0xFF);
            row[x * 3 + 1] = static_cast<unsigned char>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<unsigned char>((p >> 16) & 0xFF);
        }
    }
    const std::string path =
        std::string(std::getenv("OLVANE_SCREENSHOT_DIR")) + "\\" + name + ".bmp";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    bool ok = out != nullptr && std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info, sizeof info, 1, out) == 1 &&
              std::fwrite(image.data(), 1, image.size(), out) == image.size();
    ok = out != nullptr && std::fclose(out) == 0 && ok;
    if (!ok) {
        std::printf("could not write the picture %s\n", path.c_str());
    }
}

void CaptureScreenIfAsked(const std::string& name, HWND window) {
    if (!picturesAsked()) {
        return;
    }
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window != nullptr) {
        GetWindowRect(window, &area);
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    const std::vector<std::uint32_t> pixels = Render(width, height, [&](HDC dc) {
        BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    });
    ReleaseDC(nullptr, screen);
    SavePictureIfAsked(name, width, height, pixels);
}

// ---- Debugger traces ---------------------------------------------------------

namespace {
DebugTraceCapture* activeCapture = nullptr;
DWORD captureThread = 0;
} // namespace

DebugTraceCapture::DebugTraceCapture() {
    activeCapture = this;
    captureThread = GetCurrentThreadId();
    handle_ = AddVectoredExceptionHandler(1, &DebugTraceCapture::handler);
}

DebugTraceCapture::~DebugTraceCapture() {
    if (handle_ != nullptr) {
        RemoveVectoredExceptionHandler(handle_);
    }
    activeCapture = nullptr;
}

LONG CALLBACK DebugTraceCapture::handler(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2 &&
        activeCapture != nullptr && GetCurrentThreadId() == captureThread) {
        const auto length = static_cast<std::size_t>(record.ExceptionInformation[0]);
        const auto* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
        if (text != nullptr && length > 0) {
            activeCapture->lines_.emplace_back(text, length - 1); // without the terminator
        }
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace gui
