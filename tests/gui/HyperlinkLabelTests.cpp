#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "ui/controls/HyperlinkLabel.h"
#include "ui/controls/rules/HyperlinkText.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <cstring>
#include <map>
#include <shellapi.h>
#include <string>
#include <vector>

using namespace look_test;

namespace {

constexpr int kLinkId = 1022;
constexpr int kDefaultButtonId = 1025;

// Stands in for the shell, the registry and WinExec.
class FakeOpener : public HyperlinkOpener {
public:
    int shellResult = SE_ERR_NOASSOC;
    int runResult = 33;
    std::map<std::string, std::string> classesRoot;
    std::vector<std::string> shellTargets;
    std::vector<std::string> commands;
    std::vector<int> failures;

    int shellOpen(const std::string& target, int) override {
        shellTargets.push_back(target);
        return shellResult;
    }
    bool readClassesRootDefault(const char* key, char* store, std::size_t capacity) override {
        const auto found = classesRoot.find(key);
        if (found == classesRoot.end() || found->second.size() >= capacity) {
            return false;
        }
        std::memcpy(store, found->second.c_str(), found->second.size() + 1);
        return true;
    }
    int runCommand(const char* commandLine, int) override {
        commands.emplace_back(commandLine);
        return runResult;
    }
    void reportFailure(HWND, int code) override { failures.push_back(code); }
};

class HyperlinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.onInit = [this](TestDialog& d) {
            d.placeControl(kLinkId, 10, 20, 300, 21);
            ASSERT_TRUE(d.bind(link, kLinkId));
            link.SetTarget(MAKER_WEB_ADDRESS);
            link.SetColours(RGB(255, 255, 255), link.unvisitedColour(), link.visitedColour(),
                            link.hoverColour());
            link.setOpener(&opener);
        };
        // A default button before the link takes the first focus, and Enter
        // when the link does not take it.
        ASSERT_TRUE(
            dialog.create({{L"BUTTON", L"Default", BS_DEFPUSHBUTTON | WS_TABSTOP, kDefaultButtonId,
                            150, 40, 40, 14},
                           {L"STATIC", L"Homepage: https://www.varnu.com", SS_LEFT, kLinkId}},
                          360, 120));
        RepaintNow(dialog.hwnd());
    }

    RECT linkArea() const { return gui::ChildRect(dialog.hwnd(), link.hwnd()); }

    void click() {
        SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(kLinkId, STN_CLICKED),
                     reinterpret_cast<LPARAM>(link.hwnd()));
        RepaintNow(dialog.hwnd());
    }

    bool underlined() const {
        auto font = reinterpret_cast<HFONT>(SendMessageW(link.hwnd(), WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        GetObjectW(font, sizeof logical, &logical);
        return logical.lfUnderline != 0;
    }

    FakeOpener opener;
    TestDialog dialog;
    HyperlinkLabel link;
};

} // namespace

TEST_F(HyperlinkLabelTest, ColoursBackgroundTooltipCursorAndSize) {
    Capture shot(dialog.hwnd());
    SaveIfRequested(shot, "hyperlink");
    const RECT area = linkArea();
    EXPECT_GT(shot.count(area, LINK_UNVISITED), 20);
    EXPECT_EQ(shot.count(area, LINK_HOVER), 0);
    EXPECT_EQ(Describe(shot.at(area.left + 1, area.bottom - 1)), Describe(RGB(255, 255, 255)));
    EXPECT_EQ(link.backgroundColour(), RGB(255, 255, 255));
    EXPECT_EQ(link.unvisitedColour(), RGB(0, 0, 238));
    EXPECT_EQ(link.visitedColour(), RGB(85, 26, 139));
    EXPECT_EQ(link.hoverColour(), RGB(255, 0, 0));
    EXPECT_NE(GetWindowLongPtrW(link.hwnd(), GWL_STYLE) & SS_NOTIFY, 0);
    EXPECT_EQ(link.target(), "https://www.varnu.com");

    // Sized to its text, not to the 300 pixels of the layout.
    EXPECT_LT(area.right - area.left, 300);
    EXPECT_GT(area.right - area.left, 100);
    EXPECT_EQ(area.left, 10);
    EXPECT_EQ(area.top, 20);

    // The tooltip shows the target.
    ASSERT_NE(link.tooltip(), nullptr);
    wchar_t text[80] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = link.hwnd();
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(link.tooltip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"https://www.varnu.com");

    // A hand cursor, set on WM_SETCURSOR.
    ASSERT_NE(link.linkCursor(), nullptr);
    EXPECT_EQ(SendMessageW(link.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.hwnd()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), link.linkCursor());
}

TEST_F(HyperlinkLabelTest, HoverUnderlinesAndLeavingRestoresWithinTheTimer) {
    const RECT area = linkArea();
    EXPECT_FALSE(underlined());
    MoveMouseTo(dialog.hwnd(), area.left + 20, (area.top + area.bottom) / 2);
    RepaintNow(dialog.hwnd());
    EXPECT_TRUE(link.isHovering());
    EXPECT_TRUE(underlined());
    Capture hovered(dialog.hwnd());
    SaveIfRequested(hovered, "hyperlink_hover");
    EXPECT_GT(hovered.count(area, LINK_HOVER), 20);
    EXPECT_EQ(hovered.count(area, LINK_UNVISITED), 0);

    MoveMouseTo(dialog.hwnd(), 200, 100);
    Pump(250);
    RepaintNow(dialog.hwnd());
    EXPECT_FALSE(link.isHovering());
    EXPECT_FALSE(underlined());
    Capture left(dialog.hwnd());
    EXPECT_EQ(left.count(area, LINK_HOVER), 0);
    EXPECT_GT(left.count(area, LINK_UNVISITED), 20);
}

TEST_F(HyperlinkLabelTest, FallbackBrowserCommandAndVisitedColour) {
    opener.classesRoot[".htm"] = "htmlfile";
    opener.classesRoot["htmlfile\\shell\\open\\command"] =
        "\"C:\\Browser\\browser.exe\" -url \"%1\"";
    click();
    ASSERT_EQ(opener.shellTargets.size(), 1u);
    EXPECT_EQ(opener.shellTargets[0], "https://www.varnu.com");
    ASSERT_EQ(opener.commands.size(), 1u);
    EXPECT_EQ(opener.commands[0], "\"C:\\Browser\\browser.exe\" -url  https://www.varnu.com");
    EXPECT_TRUE(opener.failures.empty());
    EXPECT_TRUE(link.isVisited());
    Capture shot(dialog.hwnd());
    EXPECT_GT(shot.count(linkArea(), LINK_VISITED), 20);
    EXPECT_EQ(shot.count(linkArea(), LINK_UNVISITED), 0);
}

TEST_F(HyperlinkLabelTest, FailuresReportTheFirstCodeAndStayUnvisited) {
    // No ".htm" association: the ShellExecute code is reported.
    opener.shellResult = SE_ERR_FNF;
    click();
    ASSERT_EQ(opener.failures.size(), 1u);
    EXPECT_EQ(opener.failures[0], SE_ERR_FNF);
    EXPECT_TRUE(opener.commands.empty());
    EXPECT_FALSE(link.isVisited());

    // A registered command too long for the 520-character store: refused,
    // nothing run, the ShellExecute code reported.
    opener.classesRoot[".htm"] = "htmlfile";
    opener.classesRoot["htmlfile\\shell\\open\\command"] = std::string(259, 'c');
    link.SetTarget(std::string(300, 't'));
    click();
    EXPECT_TRUE(opener.commands.empty());
    ASSERT_EQ(opener.failures.size(), 2u);
    EXPECT_EQ(opener.failures[1], SE_ERR_FNF);

    // WinExec failing: its code is reported.
    link.SetTarget(MAKER_WEB_ADDRESS);
    opener.runResult = ERROR_FILE_NOT_FOUND;
    click();
    ASSERT_EQ(opener.commands.size(), 1u);
    ASSERT_EQ(opener.failures.size(), 3u);
    EXPECT_EQ(opener.failures[2], ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(link.isVisited());

    // ShellExecute succeeding: nothing else is tried.
    opener.shellResult = 42;
    click();
    EXPECT_EQ(opener.commands.size(), 1u);
    EXPECT_TRUE(link.isVisited());
}

TEST_F(HyperlinkLabelTest, TabReachesItFocusShowsAndEnterAndSpaceOpenIt) {
    const RECT area = linkArea();
    const RECT inside{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
    Capture before(dialog.hwnd());
    gui::KeyStroke(VK_TAB);
    Pump(100);
    ASSERT_EQ(GetFocus(), link.hwnd());
    // A dotted rectangle in the link colour on the label's border, nothing else.
    Capture focused(dialog.hwnd());
    SaveIfRequested(focused, "hyperlink_focus");
    EXPECT_GT(focused.count(area, LINK_UNVISITED),
              before.count(area, LINK_UNVISITED) + (area.right - area.left) / 2);
    EXPECT_EQ(focused.differences(before, inside), 0);

    // Enter and Space open it as a click does; the default button gets nothing.
    gui::KeyStroke(VK_RETURN);
    gui::KeyStroke(VK_SPACE);
    Pump(100);
    EXPECT_EQ(opener.shellTargets.size(), 2u);
    EXPECT_EQ(dialog.countNotifications(kDefaultButtonId, BN_CLICKED), 0);

    // Tab moves on, and the label looks as before.
    gui::KeyStroke(VK_TAB);
    Pump(100);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog.hwnd(), kDefaultButtonId));
    EXPECT_EQ(Capture(dialog.hwnd()).differences(before, area), 0);
}

TEST(HyperlinkLabelCaption, EmptyCaptionShowsTheTarget) {
    TestDialog dialog;
    HyperlinkLabel link;
    link.SetTarget("https://www.varnu.com");
    dialog.onInit = [&link](TestDialog& d) { ASSERT_TRUE(d.bind(link, kLinkId)); };
    ASSERT_TRUE(dialog.create({{L"STATIC", L"", SS_LEFT, kLinkId, 5, 5, 100, 10}}, 300, 80));
    wchar_t caption[64] = {};
    GetWindowTextW(link.hwnd(), caption, 64);
    EXPECT_STREQ(caption, L"https://www.varnu.com");

    // The other way round: a caption and no target makes the caption the target.
    TestDialog second;
    HyperlinkLabel other;
    second.onInit = [&other](TestDialog& d) { ASSERT_TRUE(d.bind(other, kLinkId)); };
    ASSERT_TRUE(second.create(
        {{L"STATIC", L"Visit Varnu on the Web", SS_LEFT, kLinkId, 5, 5, 100, 10}}, 300, 80));
    EXPECT_EQ(other.target(), "Visit Varnu on the Web");
    // Default colours: the system's button face behind the default link colours.
    EXPECT_EQ(other.backgroundColour(), GetSysColor(COLOR_BTNFACE));
}
