#pragma once
// Base of the program's dialogs. The static procedure keeps `this` in
// DWLP_USER (bound at WM_INITDIALOG), unpacks the messages every dialog
// handles and calls the matching virtual:
//   WM_INITDIALOG  onInitDialog()
//   WM_COMMAND     onOK() and onCancel() for a click (BN_CLICKED) of IDOK
//                  and IDCANCEL (they end the dialog with that value unless
//                  overridden), onCommand(id, code, control) for the rest
//   WM_NOTIFY      onNotify(header)
//   anything else  onMessage(message, wParam, lParam)
// A handler that handles a message returns its result; the base delivers it
// the way the dialog manager expects for that message (returned directly or
// through DWLP_MSGRESULT). std::nullopt leaves the message to the dialog
// manager's default processing. No exception leaves the procedure: one that
// reaches it is traced for a debugger and the message is left unhandled.
//
// Controls bound with bindControl get the notifications the dialog receives
// for them reflected to SubclassedControl::handleReflected first.
#include "ui/framework/SubclassedControl.h"

#include <optional>
#include <vector>
#include <windows.h>

class Dialog {
public:
    explicit Dialog(int templateId) noexcept : templateId_(templateId) {}
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally from the program's own resources; returns the
    // value given to endDialog, or -1 when the dialog could not be created.
    INT_PTR runModal(HWND owner = nullptr);

    HWND hwnd() const noexcept { return hwnd_; }
    int templateId() const noexcept { return templateId_; }

protected:
    // True lets the system put the focus on the first tab stop.
    virtual bool onInitDialog() { return true; }
    virtual void onOK() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    // A command of a control other than OK and Cancel; true when handled.
    virtual bool onCommand(int controlId, UINT code, HWND control);
    virtual std::optional<LRESULT> onNotify(const NMHDR& header);
    virtual std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool bindControl(SubclassedControl& control, int controlId);
    void endDialog(INT_PTR result) noexcept;
    HWND item(int controlId) const noexcept { return GetDlgItem(hwnd_, controlId); }

    // The procedure of every dialog of this kind: a dialog made another way
    // than runModal hands it to the creating call with this Dialog as the
    // creation parameter (the LPARAM).
    static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

private:
    std::optional<LRESULT> dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> reflect(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR deliver(UINT message, LRESULT result) noexcept;

    int templateId_;
    HWND hwnd_ = nullptr;
    std::vector<SubclassedControl*> boundControls_;
};

// One row of a command table: the control, its notification code and the
// handler it runs. routeCommand runs the row that matches.
template <typename Owner> struct CommandRoute {
    int controlId;
    UINT code;
    void (Owner::*handler)();
};

template <typename Owner, std::size_t Count>
bool routeCommand(Owner& owner, const CommandRoute<Owner> (&table)[Count], int controlId,
                  UINT code) {
    for (const CommandRoute<Owner>& route : table) {
        if (route.controlId == controlId && route.code == code) {
            (owner.*route.handler)();
            return true;
        }
    }
    return false;
}
