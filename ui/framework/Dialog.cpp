#include "ui/framework/Dialog.h"

#include "win32/DebugTrace.h"

#include <exception>

namespace {

// The messages whose result a dialog procedure returns itself; every other
// result goes through DWLP_MSGRESULT with TRUE returned.
bool returnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

// The child a message speaks of, for reflecting it to a bound control.
HWND reflectedTarget(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_MEASUREITEM:
        return GetDlgItem(dialog, static_cast<int>(wParam));
    default:
        return nullptr;
    }
}

} // namespace

INT_PTR Dialog::runModal(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                           &Dialog::dialogProcedure, reinterpret_cast<LPARAM>(this));
}

bool Dialog::bindControl(SubclassedControl& control, int controlId) {
    if (!control.attach(hwnd_, controlId)) {
        return false;
    }
    boundControls_.push_back(&control);
    return true;
}

void Dialog::endDialog(INT_PTR result) noexcept {
    EndDialog(hwnd_, result);
}

bool Dialog::onCommand(int, UINT, HWND) {
    return false;
}

std::optional<LRESULT> Dialog::onNotify(const NMHDR&) {
    return std::nullopt;
}

std::optional<LRESULT> Dialog::onMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

std::optional<LRESULT> Dialog::reflect(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND target = reflectedTarget(hwnd_, message, wParam, lParam);
    if (target == nullptr) {
        return std::nullopt;
    }
    for (SubclassedControl* control : boundControls_) {
        if (control->hwnd() == target) {
            return control->handleReflected(message, wParam, lParam);
        }
    }
    return std::nullopt;
}

std::optional<LRESULT> Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        // Enter, Escape, the buttons and the close box all arrive as a click.
        if (id == IDOK && code == BN_CLICKED) {
            onOK();
            return 0;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            onCancel();
            return 0;
        }
        if (onCommand(id, code, reinterpret_cast<HWND>(lParam))) {
            return 0;
        }
        return std::nullopt;
    }
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    default:
        return onMessage(message, wParam, lParam);
    }
}

INT_PTR Dialog::deliver(UINT message, LRESULT result) noexcept {
    if (returnsResultDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK Dialog::dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (self == nullptr) {
        return FALSE;
    }
    INT_PTR delivered = FALSE;
    try {
        std::optional<LRESULT> result;
        if (message != WM_INITDIALOG) {
            result = self->reflect(message, wParam, lParam);
        }
        if (!result) {
            result = self->dispatch(message, wParam, lParam);
        }
        if (result) {
            delivered = self->deliver(message, *result);
        }
    } catch (const std::exception& error) {
        traceLine(std::string("an exception stopped at a dialog's procedure: ") + error.what());
    } catch (...) {
        traceLine("an exception stopped at a dialog's procedure");
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        self->boundControls_.clear();
        self->hwnd_ = nullptr;
    }
    return delivered;
}
