#include "ui/dialogs/AboutDialog.h"

#include "resources/ResourceIds.h"
#include "units/TextFormat.h"
#include "win32/Text1252.h"

#include <utility>

CAboutDlg::CAboutDlg(std::string productName, std::string programVersion)
    : Dialog(IDD_ABOUT), productName_(std::move(productName)),
      programVersion_(std::move(programVersion)) {}

std::string CAboutDlg::titleText(const std::string& productName,
                                 const std::string& programVersion) {
    std::string title = formatText("%s v%s", productName.c_str(), programVersion.c_str());
    if (title.size() > MAX_TITLE) {
        title.resize(MAX_TITLE);
    }
    return title;
}

bool CAboutDlg::onInitDialog() {
    SetDlgItemTextW(hwnd(), IDC_ABOUT_TITLE,
                    widen1252(titleText(productName_, programVersion_)).c_str());
    return true; // the system sets the focus
}
