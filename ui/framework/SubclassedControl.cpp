#include "ui/framework/SubclassedControl.h"
#include "win32/DebugTrace.h"

#include <commctrl.h>
#include <exception>
#include <string>

namespace {
constexpr UINT_PTR SUBCLASS_ID = 0x4F4C; // one subclass of ours per window
}

SubclassedControl::~SubclassedControl() {
    detach();
}

bool SubclassedControl::attach(HWND dialog, int controlId) {
    return attachWindow(GetDlgItem(dialog, controlId));
}

bool SubclassedControl::attachWindow(HWND control) {
    if (control == nullptr || hwnd_ != nullptr) {
        return false;
    }
    if (!SetWindowSubclass(control, &SubclassedControl::subclassProcedure, SUBCLASS_ID,
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hwnd_ = control;
    onAttached();
    return true;
}

void SubclassedControl::detach() {
    if (hwnd_ != nullptr) {
        RemoveWindowSubclass(hwnd_, &SubclassedControl::subclassProcedure, SUBCLASS_ID);
        hwnd_ = nullptr;
    }
}

std::optional<LRESULT> SubclassedControl::handleReflected(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

LRESULT SubclassedControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT SubclassedControl::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<SubclassedControl*>(self);
    if (message == WM_NCDESTROY) {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        control->detach();
        return result;
    }
    try {
        return control->handleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        // No exception may cross into Windows: fall back on the default.
        traceLine(std::string("an exception stopped at a control's procedure: ") + error.what());
        return DefSubclassProc(window, message, wParam, lParam);
    } catch (...) {
        traceLine("an exception stopped at a control's procedure");
        return DefSubclassProc(window, message, wParam, lParam);
    }
}
