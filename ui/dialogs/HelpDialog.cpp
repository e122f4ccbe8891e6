#include "ui/dialogs/HelpDialog.h"

#include "resources/ResourceIds.h"
#include "ui/controls/rules/HyperlinkText.h"
#include "ui/dialogs/Disclaimer.h"
#include "ui/dialogs/rules/HelpText.h"

#include <utility>

CHelpDlg::CHelpDlg(const RefrigerantDatabase& db, std::wstring applicationName)
    : Dialog(IDD_HELP), db_(db), applicationName_(std::move(applicationName)),
      text_(0, HELP_FORBIDDEN_CHARACTERS) {}

INT_PTR CHelpDlg::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog();
    case WM_COMMAND:
        return onCommand(wParam);
    default:
        return FALSE;
    }
}

INT_PTR CHelpDlg::onInitDialog() {
    bindControl(link_, IDC_HELP_LINK); // takes its caption as target until told otherwise
    bindControl(text_, IDC_HELP_TEXT);
    link_.setTarget(MAKER_WEB_ADDRESS); // caption and default colours stay
    text_.setText(HelpTextFor(db_));    // the box drops its forbidden characters
    text_.SetBackgroundColour(kTextBackground);
    return TRUE; // the system sets the focus (OK, the first tab stop)
}

INT_PTR CHelpDlg::onCommand(WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: // Escape and the close box
        endDialog(LOWORD(wParam));
        return TRUE;
    case IDC_HELP_DISCLAIMER:
        if (HIWORD(wParam) == BN_CLICKED) {
            ShowDisclaimer(hwnd(), applicationName_);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
