#include "ui/framework/Dialog.h"

INT_PTR Dialog::runModal(HWND owner) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                           &Dialog::dialogProcedure, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(const DLGTEMPLATE* dialogTemplate, HWND owner) {
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner,
                                      &Dialog::dialogProcedure, reinterpret_cast<LPARAM>(this));
}

bool Dialog::bindControl(SubclassedControl& control, int controlId) {
    if (!control.attach(hwnd_, controlId)) {
        return false;
    }
    boundControls_.push_back(&control);
    return true;
}

void Dialog::setMessageResult(LRESULT result) noexcept {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
}

void Dialog::endDialog(INT_PTR result) noexcept { EndDialog(hwnd_, result); }

bool Dialog::reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND target = nullptr;
    switch (message) {
    case WM_COMMAND:
        target = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        target = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        target = reinterpret_cast<HWND>(lParam);
        break;
    case WM_DRAWITEM:
        target = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        target = GetDlgItem(hwnd_, static_cast<int>(wParam));
        break;
    default:
        return false;
    }
    if (target == nullptr) {
        return false;
    }
    for (SubclassedControl* control : boundControls_) {
        if (control->hwnd() == target) {
            return control->handleReflected(message, wParam, lParam, result);
        }
    }
    return false;
}

INT_PTR CALLBACK Dialog::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
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
    try {
        LRESULT reflected = 0;
        if (message != WM_INITDIALOG && self->reflect(message, wParam, lParam, reflected)) {
            switch (message) {
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORBTN:
                return static_cast<INT_PTR>(reflected); // brushes are returned directly
            default:
                self->setMessageResult(reflected);
                return TRUE;
            }
        }
        const INT_PTR handled = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, DWLP_USER, 0);
            self->boundControls_.clear();
            self->hwnd_ = nullptr;
        }
        return handled;
    } catch (...) {
        return FALSE;
    }
}
