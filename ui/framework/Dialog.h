#pragma once
// Base of the program's modal dialogs. The static procedure keeps `this` in
// DWLP_USER (set at WM_INITDIALOG) and calls handleMessage, which derived
// classes write as a switch with one line per message calling a named
// handler. A handler that produces a message result sets it with
// setMessageResult (DWLP_MSGRESULT). No exception leaves the procedure.
//
// Controls bound with bindControl get the notifications the dialog receives
// for them reflected to SubclassedControl::handleReflected first.
#include "ui/framework/SubclassedControl.h"
#include <windows.h>
#include <vector>

class Dialog {
public:
    explicit Dialog(int templateId) noexcept : templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally from the program's own resources; returns the
    // value given to endDialog, or -1 when the dialog could not be created.
    INT_PTR runModal(HWND owner = nullptr);

    // Creates the dialog modeless from an in-memory template (a DLGTEMPLATE
    // followed by its items), for windows built in code such as test
    // windows. The caller destroys it with DestroyWindow. Null on failure.
    HWND createModeless(const DLGTEMPLATE* dialogTemplate, HWND owner = nullptr);

    HWND hwnd() const noexcept { return hwnd_; }
    int templateId() const noexcept { return templateId_; }

protected:
    // Every message after WM_INITDIALOG's binding of `this`. Return TRUE when
    // handled, FALSE for the dialog manager's default processing.
    virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    bool bindControl(SubclassedControl& control, int controlId);
    void setMessageResult(LRESULT result) noexcept;
    void endDialog(INT_PTR result) noexcept;
    HWND item(int controlId) const noexcept { return GetDlgItem(hwnd_, controlId); }

private:
    static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    int templateId_;
    HWND hwnd_ = nullptr;
    std::vector<SubclassedControl*> boundControls_;
};
