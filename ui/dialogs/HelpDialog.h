#pragma once
// The help dialog (template 152): the help text in a read-only box that drops
// the characters %'*"+?><:\, the Disclaimer button, OK, and the link to the
// maker's web site. The text is the data file's help lines, or the built-in
// help text when the file has none; it is rebuilt each time the dialog opens.
#include "database/RefrigerantDatabase.h"
#include "ui/controls/FilteredTextField.h"
#include "ui/controls/HyperlinkLabel.h"
#include "ui/framework/Dialog.h"

#include <string>

class CHelpDlg : public Dialog {
public:
    // The database is read when the dialog opens; the application name
    // captions the disclaimer box.
    CHelpDlg(const RefrigerantDatabase& db, std::wstring applicationName);

protected:
    bool onInitDialog() override;
    bool onCommand(int controlId, UINT code, HWND control) override;

private:
    void onDisclaimer();

    const RefrigerantDatabase& db_;
    std::wstring applicationName_;
    HyperlinkLabel link_;
    FilteredTextField text_;
};
