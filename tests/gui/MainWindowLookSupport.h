#pragma once
// Test windows for the main window's controls and painting: a modeless dialog
// built in memory with the controls a test asks for, pixel capture of what a
// window shows, real mouse input, and message pumping.
#include "ui/framework/Dialog.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace look_test {

// One control of a test dialog, in dialog units (moved to pixels later with
// placeControl when a test needs exact positions).
struct ControlEntry {
    std::wstring className;
    std::wstring text;
    DWORD style = 0;
    int id = 0;
    short x = 0;
    short y = 0;
    short cx = 10;
    short cy = 10;
};

// A modeless dialog made from ControlEntries. `onInit` runs at WM_INITDIALOG
// (bind the controls there); `messageHook`, when set, sees every other message
// first and returns true when it handled it. WM_COMMAND notifications that
// reach the dialog are recorded.
class TestDialog : public Dialog {
public:
    TestDialog() : Dialog(0) {}
    ~TestDialog() override;

    // Creates, places (client area of the given size at screen 40, 40) and
    // shows the dialog. False when it could not be made.
    bool create(const std::vector<ControlEntry>& controls, int clientWidth, int clientHeight);
    void destroy();

    bool bind(SubclassedControl& control, int id) { return bindControl(control, id); }
    void placeControl(int id, int x, int y, int width, int height);

    std::function<void(TestDialog&)> onInit;
    std::function<bool(UINT, WPARAM, LPARAM, INT_PTR&)> messageHook;

    struct Notification {
        int id;
        int code;
    };
    std::vector<Notification> notifications;
    int countNotifications(int id, int code) const;

protected:
    bool onInitDialog() override;
    // A test window stays open whatever its controls send.
    void onOK() override {}
    void onCancel() override {}
    bool onCommand(int controlId, UINT code, HWND control) override;
    std::optional<LRESULT> onNotify(const NMHDR& header) override;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Dispatches every waiting message, for at least `milliseconds`; a dialog's
// messages pass its dialog manager first.
void Pump(int milliseconds = 0);

// Paints everything of the window now (invalidate, erase, update now, all
// children) and pumps.
void RepaintNow(HWND window);

// A copy of what a top-level window (or the child's part of it) shows.
class Capture {
public:
    // Captures the client area of `window`; coordinates are its client
    // coordinates.
    explicit Capture(HWND window);
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF at(int x, int y) const; // CLR_INVALID outside
    // How many pixels of the rectangle have exactly this colour.
    int count(const RECT& area, COLORREF colour) const;
    // How many pixels of the rectangle differ from the other capture's.
    int differences(const Capture& other, const RECT& area) const;
    // The smallest rectangle holding every pixel of the colour (empty if none).
    RECT bounds(const RECT& area, COLORREF colour) const;
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_; // 0x00RRGGBB, top-down
};

// Real mouse input through SendInput, in screen coordinates of the given
// window's client point.
void MoveMouseTo(HWND window, int clientX, int clientY);
void MouseButton(bool down);

// Writes the capture as the picture `name` when pictures are asked for
// (gui::SavePictureIfAsked).
void SaveIfRequested(const Capture& capture, const std::string& name);

// The width of `text` and the descent of the program's Arial of that cell
// height, as a screen DC measures them.
struct TextSize {
    int width = 0;
    int descent = 0;
};
TextSize MeasureArial(int height, const wchar_t* text);

std::string Describe(COLORREF colour);

} // namespace look_test
