#include "ui/dialogs/HelpDialog.h"

#include "resources/ResourceIds.h"
#include "ui/dialogs/SystemPalette.h"
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
    link_.SetTarget(MAKER_WEB_ADDRESS); // the caption stays
    text_.setText(helpTextFor(db_));    // the box drops its forbidden characters
    const Palette palette = systemPalette();
    text_.SetBackgroundColour(palette.fieldBackground);
    text_.setTextColour(palette.fieldText);
    if (palette.systemColours) {
        // On the dialog's own face, in the system's link colour.
        link_.SetColours(GetSysColor(COLOR_BTNFACE), palette.linkUnvisited, palette.linkVisited,
                         palette.linkHover);
    }
    return true; // the system sets the focus (OK, the first tab stop)
}

bool CHelpDlg::onCommand(int controlId, UINT code, HWND) {
    static constexpr CommandRoute<CHelpDlg> COMMANDS[] = {
        {IDC_HELP_DISCLAIMER, BN_CLICKED, &CHelpDlg::onDisclaimer},
    };
    return routeCommand(*this, COMMANDS, controlId, code);
}

void CHelpDlg::onDisclaimer() {
    showDisclaimer(hwnd(), applicationName_);
}
