#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "ui/controls/LookFont.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/StyledButton.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace look_test;

namespace {

constexpr int kButtonId = 1018;
constexpr int kOtherId = 1019;
constexpr int kLeft = 40;
constexpr int kTop = 30;
constexpr int kWidth = 80;
constexpr int kHeight = 25;
const COLORREF kWhite = RGB(255, 255, 255);

// A dialog with one styled button set up as the main window sets up its
// buttons, and a plain button to take the focus.
class StyledButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.onInit = [this](TestDialog& d) {
            d.placeControl(kButtonId, kLeft, kTop, kWidth, kHeight);
            ASSERT_TRUE(d.bind(button, kButtonId));
            button.SetTooltipText("Print current calculation");
            button.setFaceFont(lookFont(16));
            button.setTextColour(BUTTON_TEXT);
            button.setShade(3, 0, 0, 0, BUTTON_BLEND, SELECTOR_BLUE, SELECTOR_BLUE, SELECTOR_BLUE);
        };
        ASSERT_TRUE(dialog.create(
            {{L"BUTTON", L"Print", BS_PUSHBUTTON | WS_TABSTOP, kButtonId},
             {L"BUTTON", L"Other", BS_PUSHBUTTON | WS_TABSTOP, kOtherId, 120, 80, 40, 14}},
            300, 200));
        SetFocus(GetDlgItem(dialog.hwnd(), kOtherId));
        RepaintNow(dialog.hwnd());
    }

    RECT face() const { return {kLeft, kTop, kLeft + kWidth, kTop + kHeight}; }
    RECT caption() const { return {kLeft + 6, kTop + 2, kLeft + kWidth - 6, kTop + kHeight - 2}; }
    bool pushed() const {
        return (SendMessageW(button.hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    }

    TestDialog dialog;
    StyledButton button;
};

} // namespace

TEST_F(StyledButtonTest, BlueFaceWhiteCentredCaptionAndRaisedEdge) {
    EXPECT_EQ(GetWindowLongPtrW(button.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    Capture shot(dialog.hwnd());
    SaveIfRequested(shot, "styled_button");
    // Inside the 2-pixel edge, away from the caption: the face colour.
    EXPECT_EQ(Describe(shot.at(kLeft + 3, kTop + 3)), Describe(SELECTOR_BLUE));
    EXPECT_EQ(Describe(shot.at(kLeft + kWidth - 4, kTop + kHeight - 4)), Describe(SELECTOR_BLUE));
    // The raised edge: light at the outer top-left, highlight inside it, dark
    // shadow at the outer bottom-right.
    EXPECT_EQ(shot.at(kLeft, kTop + 10), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(shot.at(kLeft + 1, kTop + 10), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot.at(kLeft + kWidth - 1, kTop + 10), GetSysColor(COLOR_3DDKSHADOW));
    // A white caption, centred (within a pixel) in the text rectangle.
    const RECT text = shot.bounds(caption(), kWhite);
    ASSERT_GT(text.right, text.left);
    EXPECT_GT(shot.count(caption(), kWhite), 15);
    const int leftGap = text.left - caption().left;
    const int rightGap = caption().right - text.right;
    EXPECT_LE(std::abs(leftGap - rightGap), 2) << leftGap << " " << rightGap;
}

TEST_F(StyledButtonTest, PressedCaptionMovesOnePixelAndDisabledIsEngraved) {
    const RECT normal = Capture(dialog.hwnd()).bounds(caption(), kWhite);
    SendMessageW(button.hwnd(), BM_SETSTATE, TRUE, 0);
    RepaintNow(dialog.hwnd());
    Capture pressed(dialog.hwnd());
    const RECT moved = pressed.bounds(caption(), kWhite);
    EXPECT_EQ(moved.left, normal.left + 1);
    EXPECT_EQ(moved.top, normal.top + 1);
    // Sunken edge: shadow at the outer top-left.
    EXPECT_EQ(pressed.at(kLeft, kTop + 10), GetSysColor(COLOR_BTNSHADOW));
    SendMessageW(button.hwnd(), BM_SETSTATE, FALSE, 0);

    EnableWindow(button.hwnd(), FALSE);
    RepaintNow(dialog.hwnd());
    Capture disabled(dialog.hwnd());
    SaveIfRequested(disabled, "styled_button_disabled");
    const RECT grey = disabled.bounds(caption(), GetSysColor(COLOR_GRAYTEXT));
    const RECT light = disabled.bounds(caption(), GetSysColor(COLOR_BTNHIGHLIGHT));
    ASSERT_GT(grey.right, grey.left);
    ASSERT_GT(light.right, light.left);
    // The grey copy lies one pixel up and left of the light one.
    EXPECT_EQ(grey.left, light.left - 1);
    EXPECT_EQ(grey.top, light.top - 1);
}

TEST_F(StyledButtonTest, GradientFaceAndFocusRing) {
    // Red at the left edge through green to blue at the right.
    button.setShade(3, 0, 0, 0, BUTTON_BLEND, RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255));
    SetFocus(button.hwnd());
    RepaintNow(dialog.hwnd());
    Capture shot(dialog.hwnd());
    SaveIfRequested(shot, "styled_button_gradient");
    const COLORREF nearLeft = shot.at(kLeft + 2, kTop + kHeight / 2);
    const COLORREF middle = shot.at(kLeft + kWidth / 2, kTop + 2);
    const COLORREF nearRight = shot.at(kLeft + kWidth - 3, kTop + kHeight / 2);
    EXPECT_GT(GetRValue(nearLeft), 200) << Describe(nearLeft);
    EXPECT_GT(GetGValue(middle), 200) << Describe(middle);
    EXPECT_GT(GetBValue(nearRight), 200) << Describe(nearRight);
    // White would vanish on the green middle: the ring is black.
    EXPECT_EQ(Describe(shot.at(kLeft + kWidth / 2, kTop + 4)), Describe(RGB(0, 0, 0)));
    EXPECT_EQ(Describe(shot.at(kLeft + kWidth - 5, kTop + 6)), Describe(RGB(0, 0, 0)));
}

// Drawn as the system asks: the access key's underline and the focus ring
// only with the keyboard cues shown. The ring is one pixel, 4 pixels inside
// the edge, in the white of the caption, which stands out from the blue face;
// it is the only change. Alt+P presses the button.
TEST_F(StyledButtonTest, AccessKeyUnderlineAndFocusRingFollowTheCuesAndAltPressesTheButton) {
    const auto drawn = [this](const wchar_t* caption, UINT state) {
        SetWindowTextW(button.hwnd(), caption);
        return gui::Render(kWidth, kHeight, [&](HDC dc) {
            DRAWITEMSTRUCT item{ODT_BUTTON, kButtonId,     0,  ODA_DRAWENTIRE,
                                state,      button.hwnd(), dc, {0, 0, kWidth, kHeight},
                                0};
            button.handleReflected(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item));
        });
    };
    const std::vector<std::uint32_t> plain = drawn(L"Print", 0);
    EXPECT_EQ(drawn(L"&Print", ODS_NOACCEL), plain);
    EXPECT_EQ(drawn(L"&Print", ODS_FOCUS | ODS_NOACCEL | ODS_NOFOCUSRECT), plain);
    const std::vector<std::uint32_t> cued = drawn(L"&Print", 0);
    const std::vector<std::uint32_t> ring = drawn(L"Print", ODS_FOCUS);
    ASSERT_EQ(cued.size(), plain.size());
    ASSERT_EQ(ring.size(), plain.size());
    int underline = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * kWidth + x);
            const bool white = (cued[i] & 0xFFFFFF) == 0xFFFFFF;
            underline += cued[i] != plain[i] ? 1 : 0;
            EXPECT_TRUE(cued[i] == plain[i] || white) << x << ", " << y;
            const bool onRing = x >= 4 && x < kWidth - 4 && y >= 4 && y < kHeight - 4 &&
                                (x == 4 || x == kWidth - 5 || y == 4 || y == kHeight - 5);
            EXPECT_EQ(ring[i] & 0xFFFFFF, onRing ? 0xFFFFFFu : plain[i] & 0xFFFFFF)
                << x << ", " << y;
        }
    }
    EXPECT_GE(underline, 5);
    EXPECT_NE(plain[4 * kWidth + 4] & 0xFFFFFF, 0xFFFFFFu); // the face under the ring

    // Alt+P presses it: the dialog manager finds the key in the window text.
    SetWindowTextW(button.hwnd(), L"&Print");
    RepaintNow(dialog.hwnd());
    SaveIfRequested(Capture(dialog.hwnd()), "styled_button_access_key");
    gui::KeyStroke('P', true);
    Pump(100);
    EXPECT_EQ(dialog.countNotifications(kButtonId, BN_CLICKED), 1);
}

TEST_F(StyledButtonTest, PressDragReleaseAndHover) {
    const HWND window = dialog.hwnd();
    MoveMouseTo(window, kLeft + 40, kTop + 12);
    EXPECT_TRUE(button.isHovering());
    MouseButton(true);
    EXPECT_TRUE(button.isMouseDown());
    EXPECT_FALSE(button.isHovering());
    EXPECT_TRUE(pushed());
    // Dragging off raises the button, dragging back pushes it again.
    MoveMouseTo(window, kLeft + 40, kTop + 80);
    EXPECT_FALSE(pushed());
    MoveMouseTo(window, kLeft + 30, kTop + 10);
    EXPECT_TRUE(pushed());
    // Released outside: no click.
    MoveMouseTo(window, kLeft + 200, kTop + 10);
    MouseButton(false);
    EXPECT_FALSE(button.isMouseDown());
    EXPECT_EQ(dialog.countNotifications(kButtonId, BN_CLICKED), 0);
    // The platform notices the pointer has left within its hover period.
    Pump(700);
    EXPECT_FALSE(button.isHovering());

    // Press and release on the button: one click.
    MoveMouseTo(window, kLeft + 40, kTop + 12);
    MouseButton(true);
    MouseButton(false);
    EXPECT_EQ(dialog.countNotifications(kButtonId, BN_CLICKED), 1);

    // A double click counts as two clicks.
    dialog.notifications.clear();
    MouseButton(true);
    MouseButton(false);
    MouseButton(true);
    MouseButton(false);
    EXPECT_EQ(dialog.countNotifications(kButtonId, BN_CLICKED), 2);
    EXPECT_EQ(dialog.countNotifications(kButtonId, BN_DOUBLECLICKED), 0);

    // Leaving clears the hover state.
    MoveMouseTo(window, 250, 150);
    Pump(700);
    EXPECT_FALSE(button.isHovering());
}

TEST_F(StyledButtonTest, TooltipIs300PixelsWideWithItsText) {
    ASSERT_NE(button.tooltip(), nullptr);
    EXPECT_EQ(SendMessageW(button.tooltip(), TTM_GETMAXTIPWIDTH, 0, 0), 300);
    wchar_t text[80] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = button.hwnd();
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(button.tooltip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Print current calculation");
    button.SetTooltipText("Specify unit options");
    SendMessageW(button.tooltip(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Specify unit options");
    EXPECT_EQ(SendMessageW(button.tooltip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    // WM_ERASEBKGND erases nothing.
    EXPECT_EQ(SendMessageW(button.hwnd(), WM_ERASEBKGND, 0, 0), TRUE);
}
