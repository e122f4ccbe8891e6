#pragma once
// The About box (template 100): the application icon, "<product> v<version>"
// in control 1024, the rights line and the credits. OK or the close box end
// it.
#include "ui/framework/Dialog.h"

#include <string>

class CAboutDlg : public Dialog {
public:
    static constexpr std::size_t MAX_TITLE = 203;

    CAboutDlg(std::string productName, std::string programVersion);

    // "%s v%s" of the product name and the program version, at most 203
    // characters: "Olvane v1.0 " with the program's own version resource.
    static std::string titleText(const std::string& productName, const std::string& programVersion);

protected:
    bool onInitDialog() override;

private:
    std::string productName_;
    std::string programVersion_;
};
