#pragma once
// Base of the program's own controls: takes over an existing child window
// with SetWindowSubclass (this object as the reference data) and removes
// itself at WM_NCDESTROY. Derived classes handle messages in
// handleMessage, one line per message, and fall back on defaultHandling.
// Notifications and colour requests that the parent dialog receives for the
// control are reflected to handleReflected (see Dialog).
#include <optional>
#include <windows.h>

class SubclassedControl {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // Attaches to the dialog's child with the given ID. False when there is
    // no such child or the subclass could not be installed.
    bool attach(HWND dialog, int controlId);
    bool attachWindow(HWND control);
    void detach();

    HWND hwnd() const noexcept { return hwnd_; }

    // A message the parent received on behalf of this control (WM_COMMAND
    // notifications, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM):
    // its result when handled, std::nullopt to leave it to the parent.
    virtual std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void onAttached() {}
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    HWND hwnd_ = nullptr;
};
