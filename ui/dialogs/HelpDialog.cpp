#include "ui/dialogs/HelpDialog.h"

#include "resources/ResourceIds.h"
#include "ui/look/Palette.h"
#include "ui/controls/rules/HyperlinkText.h"
#include "ui/dialogs/Disclaimer.h"
#include "ui/dialogs/rules/HelpText.h"

#include <utility>

CHelpDlg::CHelpDlg(const RefrigerantDatabase& db, std::wstring applicationName)
    : Dialog(IDD_HELP), db_(db), applicationName_(std::move(applicationName)),
      text_(0, HELP_FORBIDDEN_CHARACTERS) {}

bool CHelpDlg::onInitDialog() {
    bindControl(link_, IDC_HELP_LINK); // takes its caption as target until told otherwise
    bindControl(text_, IDC_HELP_TEXT);
    link_.SetTarget(MAKER_WEB_ADDRESS); // caption and default colours stay
    text_.setText(helpTextFor(db_));    // the box drops its forbidden characters
    text_.SetBackgroundColour(FIELD_BACKGROUND);
    return true; // the system sets the focus (OK, the first tab stop)
}

bool CHelpDlg::onCommand(int controlId, UINT code, HWND) {
    static constexpr CommandRoute<CHelpDlg> kCommands[] = {
        {IDC_HELP_DISCLAIMER, BN_CLICKED, &CHelpDlg::onDisclaimer},
    };
    return routeCommand(*this, kCommands, controlId, code);
}

void CHelpDlg::onDisclaimer() {
    showDisclaimer(hwnd(), applicationName_);
}
