#pragma once
// Driving the program's real windows from GUI tests (Windows, under Wine and
// Xvfb).
//
// A modal dialog blocks the test's thread, so a test describes what to do
// as a Script of steps and runs the dialog with runScripted(). A thread timer
// (every few milliseconds) performs the steps one after the other from
// inside whatever modal loop is running: the main window's, a nested
// dialog's or a message box's. A step either acts (`then`) or waits for a
// condition (`waitUntil`), for example for a nested dialog to appear.
//
//     gui::ResetSettingsStore();
//     MemorySettingsStore store;                 // or gui::TestStore()
//     MainWindow window(store, gui::TestIdentity(), L"gui_tests");
//     gui::Script script;
//     script.then([&] { gui::TypeText(gui::Item(window, 1003), "5"); })
//           .then([&] { gui::Tick(window.hwnd()); })
//           .then([&] { EXPECT_EQ(gui::ListRows(gui::Item(window, 1020)).size(), 9u); })
//           .then([&] { gui::Close(window.hwnd()); });
//     gui::runScripted(window, script);
//
// Rules for steps:
// - A step that opens a nested modal dialog must POST the message that opens
//   it (PostClick), never send it: a sent click would run the nested dialog
//   inside the step, where the following steps cannot run. The steps after
//   it then find the dialog (waitForDialog) and drive it.
// - EXPECT_* works inside steps; ASSERT_* only leaves the step.
// - The script must end the dialog (Close, or a posted IDOK/IDCANCEL). When
//   the timeout passes first, the run records a failure and ends every
//   dialog of the thread, innermost first, so a test never hangs.
// - The main window's own timer 100 keeps running; to make a tick happen at
//   a known moment, send it with Tick(). Steps run between messages, so what
//   one step does synchronously is not interrupted by a real tick.
//
// Also here: the test program's settings store in the registry (the key of
// the application "gui_tests"), temporary working directories with or without
// a data file, message boxes, list rows, a screen capture and timing.
#include "app/RegistrySettingsStore.h"
#include "tests/support/PerformanceClock.h"
#include "ui/framework/Dialog.h"
#include "ui/main/AppIdentity.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace gui {

// ---- Scripted modal runs -------------------------------------------------

class Script {
public:
    // A step that acts once.
    Script& then(std::function<void()> action);
    // A step that is repeated at every tick until `condition` holds; `what`
    // names it in the failure message of a timeout.
    Script& waitUntil(std::function<bool()> condition, std::string what);
    // Waits for a visible dialog of this thread with the caption `caption`
    // and stores its window in `found`.
    Script& waitForDialog(const std::wstring& caption, HWND& found);
    // Runs `program`, which lies beside the test program, with the arguments
    // `arguments()` gives when the step runs, and waits until it ends; its
    // standard output goes to `output`. The dialogs keep answering messages
    // meanwhile, so the program may talk to them.
    Script& runHelper(const std::wstring& program, std::function<std::wstring()> arguments,
                      std::string& output);

    bool finished() const noexcept { return next_ >= steps_.size(); }
    // Runs the current step; true when the script moved on.
    bool runStep();
    std::string currentStepName() const;

private:
    struct Step {
        std::function<bool()> run;
        std::string name;
    };
    std::vector<Step> steps_;
    size_t next_ = 0;
};

struct ScriptedRun {
    INT_PTR result = -1; // what the dialog's modal run returned
    bool scriptFinished = false;
    bool timedOut = false;
};

// Runs `dialog` modally while the timer performs the steps of `script`.
// Records a test failure when the script has not finished after `timeoutMs`
// or when the dialog ended with steps left.
ScriptedRun runScripted(Dialog& dialog, Script& script, int timeoutMs = 15000);

// Waits until the dialog (or the main window) is on the screen.
Script& WaitShown(Script& script, const Dialog& dialog);

// ---- Windows ----------------------------------------------------------------

// The visible dialogs (class #32770) of the calling thread, topmost first.
std::vector<HWND> ThreadDialogs();
// The visible dialog of this thread with that caption, or nullptr.
HWND FindDialog(const std::wstring& caption);
HWND Item(const Dialog& dialog, int controlId);
std::string WindowText(HWND window); // as Windows-1252
// The child's window rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, HWND child);

// The message box of this thread captioned `caption` (nullptr when none),
// its text, and pressing one of its buttons (IDOK by default).
HWND FindMessageBox(const std::wstring& caption);
std::string MessageBoxText(HWND box);
void PressMessageBoxButton(HWND box, int buttonId = IDOK);

// Typing: one WM_CHAR per character (Windows-1252; '\b' is Backspace).
void TypeText(HWND field, const std::string& characters);
void PressKey(HWND field, UINT virtualKey); // WM_KEYDOWN and WM_KEYUP
// Real keyboard input (SendInput) to the window with the focus, so that the
// dialog manager sees it: one press and release of the key, with Alt held
// when `alt` is true. It arrives when the thread next reads its messages.
void KeyStroke(UINT virtualKey, bool alt = false);
void SetSelection(HWND field, int start, int end);
// Replaces the field's whole text as if the user typed it: select all, then
// type `text` (an empty text: select all, then the Delete key).
void ReplaceText(HWND field, const std::string& text);

// Selects item `index` of a combo box and tells its dialog (CBN_SELCHANGE).
void SelectComboItem(HWND dialog, int comboId, int index);
// Sends WM_TIMER 100 to the main window: one tick of its recalculation timer.
void Tick(HWND mainWindow);
// Posts a button click (WM_COMMAND with BN_CLICKED) to the dialog.
void PostClick(HWND dialog, int buttonId);
// Sets a radio button or check box state (BM_SETCHECK), as clicking would for
// an auto radio button of a pair (the other button of the pair is unchecked).
void CheckRadio(HWND dialog, int checkedId, int uncheckedId);
// Closes the dialog like Esc does (WM_COMMAND IDCANCEL, posted).
void Close(HWND dialog);

// Puts `text` on the clipboard as CF_UNICODETEXT, owned by `owner`. Another
// program (Wine's clipboard manager) may hold the clipboard for a moment:
// a few tries, then a test failure rather than a wait without end.
void PutOnClipboard(HWND owner, const std::wstring& text);
// The clipboard's CF_UNICODETEXT, empty when there is none.
std::wstring ClipboardText(HWND owner);

// The rows of a report list view: column 0 and column 1 of every item.
std::vector<std::pair<std::string, std::string>> ListRows(HWND list);
// The first selected row, -1 when none.
int SelectedRow(HWND list);
// What a mouse click on row `row` does: selects the row and sends the
// parent NM_CLICK for it.
void ClickListRow(HWND dialog, HWND list, int row);

// ---- Settings store of the test program -----------------------------------

// "Software\Varnu Olvane 3\gui_tests" below HKEY_CURRENT_USER.
std::wstring TestStorePath();
// Deletes the whole key of the test program.
void ResetSettingsStore();
// The registry store the program would use, under the test program's name.
RegistrySettingsStore TestStore();
std::optional<std::int32_t> StoredValue(const char* section, const char* name);
void StoreValue(const char* section, const char* name, std::int32_t value);
// The value names of a section, byte for byte (trailing blanks kept).
std::vector<std::string> StoredValueNames(const char* section);

// The identity the program reads from its version resource (the test
// program carries the same resources).
AppIdentity TestIdentity();

// ---- Working directory and data files --------------------------------------

// A fresh empty directory made the current one; on destruction the previous
// current directory comes back and the directory is removed with its files.
class TempWorkingDirectory {
public:
    TempWorkingDirectory();
    ~TempWorkingDirectory();
    TempWorkingDirectory(const TempWorkingDirectory&) = delete;
    TempWorkingDirectory& operator=(const TempWorkingDirectory&) = delete;

    const std::wstring& path() const noexcept { return path_; }
    // Packs `plainText` into the stored format and writes it as Olvane.tbx
    // here. Records a test failure when it cannot.
    bool writeDataFile(const std::string& plainText);
    // Writes Olvane.tbx with these exact bytes (for unreadable files).
    bool writeRawDataFile(const std::vector<unsigned char>& bytes);

private:
    std::wstring previous_;
    std::wstring path_;
};

// A data text that loads, with `count` refrigerants named R1, R2, ... (the
// test record of tests/core/TestDataFiles.h: evaporating -40..-5, condensing
// 25..65, return gas -20..45 ºC).
std::string DataTextWithRefrigerants(int count);

// ---- Debugger traces ---------------------------------------------------------

// The lines this thread writes with OutputDebugString while the object
// lives, seen as the debug-print exception a debugger would receive.
class DebugTraceCapture {
public:
    DebugTraceCapture();
    ~DebugTraceCapture();
    DebugTraceCapture(const DebugTraceCapture&) = delete;
    DebugTraceCapture& operator=(const DebugTraceCapture&) = delete;

    const std::vector<std::string>& lines() const noexcept { return lines_; }

private:
    static LONG CALLBACK handler(EXCEPTION_POINTERS* exception);
    void* handle_ = nullptr;
    std::vector<std::string> lines_;
};

// ---- Measurements and pictures ------------------------------------------

// Milliseconds since this process was created.
double MillisecondsSinceProcessStart();
// What `draw` leaves on a top-down 32-bit DIB of width x height, 0x00RRGGBB
// per pixel; empty when the DIB could not be made.
std::vector<std::uint32_t> Render(int width, int height, const std::function<void(HDC)>& draw);
// Pictures for looking at the windows are written only when
// OLVANE_SCREENSHOT_DIR is set. It is a Windows path as Wine sees it:
// Z:\tmp\shots for /tmp/shots, e.g.
//   OLVANE_SCREENSHOT_DIR='Z:\tmp\shots' xvfb-run -a wine-run.sh gui_tests.exe
//       --gtest_filter=MainWindowPictures.*
// Writes top-down 0x00RRGGBB pixels to OLVANE_SCREENSHOT_DIR\<name>.bmp (24 bits).
void SavePictureIfAsked(const std::string& name, int width, int height,
                        const std::vector<std::uint32_t>& pixels);
// The screen (or one window's rectangle of it) as a picture of that name.
void CaptureScreenIfAsked(const std::string& name, HWND window = nullptr);

} // namespace gui
