#include "resources/ResourceIds.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "ui/controls/FlatComboBox.h"

#include <gtest/gtest.h>

using namespace look_test;

namespace {

constexpr int kComboId = 1017;
constexpr int kOtherId = 1003;
const COLORREF kBlue = RGB(0, 130, 197);
const COLORREF kLight = RGB(242, 246, 251);
const COLORREF kOpenButton = RGB(6, 79, 190);

class FlatComboBoxTest : public ::testing::Test {
protected:
    void create(int otherButton) {
        dialog.onInit = [this, otherButton](TestDialog& d) {
            d.placeControl(kComboId, 30, 30, 80, 21);
            ASSERT_TRUE(d.bind(combo, kComboId));
            combo.SetBitmaps(IDB_COMBO_LEFT, IDB_COMBO_BUTTON, otherButton, IDB_COMBO_MIDDLE);
            combo.SetFocusColours(kBlue, RGB(255, 255, 255));
            combo.SetNormalColours(kLight, RGB(0, 0, 0));
        };
        ASSERT_TRUE(dialog.create(
            {{L"COMBOBOX", L"",
              CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP,
              kComboId, 0, 0, 50, 80},
             {L"EDIT", L"", WS_BORDER | WS_TABSTOP, kOtherId, 10, 60, 40, 12}},
            300, 200));
        for (const wchar_t* name : {L"R134a", L"R600a", L"R290", L"R404A"}) {
            SendMessageW(combo.hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        }
        SendMessageW(combo.hwnd(), CB_SETCURSEL, 0, 0);
        SetFocus(GetDlgItem(dialog.hwnd(), kOtherId));
        RepaintNow(dialog.hwnd());
    }

    RECT face() const { return gui::ChildRect(dialog.hwnd(), combo.hwnd()); }

    // A point of the filled face left of the text (the text starts 7 pixels
    // in; the fill 3).
    POINT fillPoint() const {
        const RECT r = face();
        return {r.left + 4, r.top + 4};
    }

    RECT textArea() const {
        const RECT r = face();
        return {r.left + 7, r.top + 3, r.right - 20, r.bottom - 5};
    }

    TestDialog dialog;
    FlatComboBox combo;
};

} // namespace

TEST_F(FlatComboBoxTest, FaceColoursWithAndWithoutFocus) {
    create(IDB_COMBO_BUTTON_OPEN);
    Capture normal(dialog.hwnd());
    SaveIfRequested(normal, "combo_normal");
    EXPECT_EQ(Describe(normal.at(fillPoint().x, fillPoint().y)), Describe(kLight));
    EXPECT_GT(normal.count(textArea(), RGB(0, 0, 0)), 10);
    EXPECT_EQ(normal.count(textArea(), RGB(255, 255, 255)), 0);
    // Drop-down button bitmap 136 at the right edge.
    const RECT r = face();
    EXPECT_EQ(Describe(normal.at(r.right - 18, r.top + 4)), Describe(kBlue));

    SetFocus(combo.hwnd());
    RepaintNow(dialog.hwnd());
    Capture focused(dialog.hwnd());
    SaveIfRequested(focused, "combo_focus");
    EXPECT_EQ(Describe(focused.at(fillPoint().x, fillPoint().y)), Describe(kBlue));
    EXPECT_GT(focused.count(textArea(), RGB(255, 255, 255)), 10);
    EXPECT_EQ(focused.count(textArea(), RGB(0, 0, 0)), 0);

    SetFocus(GetDlgItem(dialog.hwnd(), kOtherId));
    RepaintNow(dialog.hwnd());
    Capture back(dialog.hwnd());
    EXPECT_EQ(Describe(back.at(fillPoint().x, fillPoint().y)), Describe(kLight));
}

TEST_F(FlatComboBoxTest, NoSelectionNoText) {
    create(IDB_COMBO_BUTTON_OPEN);
    SendMessageW(combo.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    RepaintNow(dialog.hwnd());
    Capture shot(dialog.hwnd());
    EXPECT_EQ(Describe(shot.at(fillPoint().x, fillPoint().y)), Describe(kLight));
    EXPECT_EQ(shot.count(textArea(), RGB(0, 0, 0)), 0);
}

TEST_F(FlatComboBoxTest, OtherButtonBitmapOnlyWhileOpen) {
    create(IDB_COMBO_BUTTON_OPEN);
    const RECT r = face();
    SendMessageW(combo.hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump(50);
    EXPECT_EQ(combo.buttonBitmap(), IDB_COMBO_BUTTON_OPEN);
    Capture open(dialog.hwnd());
    SaveIfRequested(open, "combo_open");
    EXPECT_EQ(Describe(open.at(r.right - 18, r.top + 4)), Describe(kOpenButton));

    // The open list: light background, framed in the focus colour, the item
    // under the cursor in the focus pair.
    ASSERT_NE(combo.listWindow(), nullptr);
    EXPECT_EQ(combo.textOffset(), 7);
    Capture list(combo.listWindow());
    SaveIfRequested(list, "combo_list");
    EXPECT_EQ(Describe(list.at(0, list.height() / 2)), Describe(kBlue));
    EXPECT_EQ(Describe(list.at(list.width() - 1, list.height() / 2)), Describe(kBlue));
    EXPECT_GT(list.count({1, 1, list.width() - 1, list.height() - 1}, kLight), 20);
    EXPECT_GT(list.count({1, 1, list.width() - 1, list.height() - 1}, RGB(0, 0, 0)), 10);

    SendMessageW(combo.hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
    Pump(50);
    EXPECT_EQ(combo.buttonBitmap(), IDB_COMBO_BUTTON);
    RepaintNow(dialog.hwnd());
    Capture closed(dialog.hwnd());
    EXPECT_EQ(Describe(closed.at(r.right - 18, r.top + 4)), Describe(kBlue));
}

TEST_F(FlatComboBoxTest, WithoutOtherButtonOpeningChangesNothing) {
    create(0);
    const RECT r = face();
    SendMessageW(combo.hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
    Pump(50);
    EXPECT_EQ(combo.buttonBitmap(), IDB_COMBO_BUTTON);
    Capture open(dialog.hwnd());
    EXPECT_EQ(Describe(open.at(r.right - 18, r.top + 4)), Describe(kBlue));
    SendMessageW(combo.hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
    Pump(50);
    EXPECT_EQ(combo.buttonBitmap(), IDB_COMBO_BUTTON);
    // Selection changes still reach the parent.
    SendMessageW(combo.hwnd(), CB_SETCURSEL, 1, 0);
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.hwnd()));
    EXPECT_EQ(dialog.countNotifications(kComboId, CBN_SELCHANGE), 1);
}
