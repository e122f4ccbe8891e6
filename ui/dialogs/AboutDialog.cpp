#include "ui/dialogs/AboutDialog.h"

#include "resources/ResourceIds.h"
#include "ui/framework/Text1252.h"
#include "units/TextFormat.h"

#include <utility>

CAboutDlg::CAboutDlg(std::string productName, std::string programVersion)
    : Dialog(IDD_ABOUT), productName_(std::move(productName)),
      programVersion_(std::move(programVersion)) {}

std::string CAboutDlg::TitleText(const std::string& productName,
                                 const std::string& programVersion) {
    std::string title = FormatText("%s v%s", productName.c_str(), programVersion.c_str());
    if (title.size() > kMaxTitle) {
        title.resize(kMaxTitle);
    }
    return title;
}

INT_PTR CAboutDlg::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog();
    case WM_COMMAND:
        return onCommand(wParam);
    default:
        return FALSE;
    }
}

INT_PTR CAboutDlg::onInitDialog() {
    SetDlgItemTextW(hwnd(), IDC_ABOUT_TITLE,
                    Widen1252(TitleText(productName_, programVersion_)).c_str());
    return TRUE; // the system sets the focus
}

INT_PTR CAboutDlg::onCommand(WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: // Escape and the close box
        endDialog(LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
