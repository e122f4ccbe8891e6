#include "app/ReadAppIdentity.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "tests/gui/MainWindowTestSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/controls/LookFont.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/ResultsList.h"
#include "win32/ProgramFile.h"
#include "win32/Unique.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <commctrl.h>
#include <string>

using namespace look_test;

namespace {

constexpr int kListId = 1020;
constexpr int kListLeft = 20;
constexpr int kListTop = 20;

// The list set up as the main window sets up its results list, with nine
// rows.
class ResultsListTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.onInit = [this](TestDialog& d) {
            d.placeControl(kListId, kListLeft, kListTop, 308, 201);
            ASSERT_TRUE(d.bind(list, kListId));
        };
        dialog.messageHook = [this](UINT message, WPARAM, LPARAM lParam, INT_PTR&) {
            if (message == WM_NOTIFY) {
                const auto* header = reinterpret_cast<const NMHDR*>(lParam);
                if (header->code == LVN_ITEMCHANGED) {
                    ++itemChanges;
                }
            }
            return false;
        };
        ASSERT_TRUE(
            dialog.create({{WC_LISTVIEWW, L"", LVS_REPORT | WS_BORDER, kListId}}, 360, 260));
        const HWND window = list.hwnd();
        list.setUpScrollBars();
        ListView_SetBkColor(window, RESULTS_ROW_BACK);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(lookFont(20)), TRUE);
        RECT client{};
        GetClientRect(window, &client);
        const wchar_t* titles[2] = {L"Length", L"Inner Diameter"};
        for (int column = 0; column < 2; ++column) {
            LVCOLUMNW col{};
            col.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
            col.fmt = LVCFMT_LEFT;
            col.cx = client.right / 2;
            col.pszText = const_cast<wchar_t*>(titles[column]);
            ListView_InsertColumn(window, column, &col);
        }
        ListView_SetExtendedListViewStyle(window, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        for (int row = 0; row < 9; ++row) {
            std::wstring length = std::to_wstring(row + 1) + L".00 m";
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = length.data();
            ListView_InsertItem(window, &item);
            ListView_SetItemText(window, row, 1, const_cast<wchar_t*>(L"0.80 mm"));
        }
        RepaintNow(dialog.hwnd());
    }

    void select(int row) {
        ListView_SetItemState(list.hwnd(), row, LVIS_SELECTED, LVIS_SELECTED);
        RepaintNow(dialog.hwnd());
    }

    // A point of the row in the dialog's client coordinates, right of both
    // texts and inside the second column.
    POINT rowPoint(int row) const {
        RECT rect{};
        ListView_GetItemRect(list.hwnd(), row, &rect, LVIR_BOUNDS);
        RECT client{};
        GetClientRect(list.hwnd(), &client);
        POINT p{std::min(rect.right, client.right) - 8, (rect.top + rect.bottom) / 2};
        MapWindowPoints(list.hwnd(), dialog.hwnd(), &p, 1);
        return p;
    }

    int selectedCount() const { return ListView_GetSelectedCount(list.hwnd()); }

    TestDialog dialog;
    ResultsList list;
    int itemChanges = 0;
};

} // namespace

TEST_F(ResultsListTest, SelectedRowYellowOthersLightSelectionKept) {
    select(4);
    Capture shot(dialog.hwnd());
    SaveIfRequested(shot, "results_list");
    // The rows fully in view (the last ones may lie under the scroll bar).
    const int visibleRows = ListView_GetCountPerPage(list.hwnd());
    ASSERT_GE(visibleRows, 6);
    for (int row = 0; row < visibleRows; ++row) {
        const POINT p = rowPoint(row);
        const COLORREF expected = row == 4 ? RESULTS_SELECTED_BACK : RESULTS_ROW_BACK;
        EXPECT_EQ(Describe(shot.at(p.x, p.y)), Describe(expected)) << "row " << row;
    }
    // The yellow covers the first column too (full-row select), and the text
    // on it is black.
    RECT rowRect{};
    ListView_GetItemRect(list.hwnd(), 4, &rowRect, LVIR_BOUNDS);
    MapWindowPoints(list.hwnd(), dialog.hwnd(), reinterpret_cast<POINT*>(&rowRect), 2);
    const RECT firstColumn{rowRect.left + 2, rowRect.top + 1, rowRect.left + 150,
                           rowRect.bottom - 1};
    EXPECT_GT(shot.count(firstColumn, RESULTS_SELECTED_BACK), 100);
    EXPECT_GT(shot.count(firstColumn, RGB(0, 0, 0)), 10);
    EXPECT_EQ(shot.count(firstColumn, GetSysColor(COLOR_HIGHLIGHT)), 0);

    // Painting left the selection as it was, without changing it even for a
    // moment: no change notification.
    EXPECT_EQ(selectedCount(), 1);
    EXPECT_EQ(ListView_GetNextItem(list.hwnd(), -1, LVNI_SELECTED), 4);
    const int changesBefore = itemChanges;
    RepaintNow(dialog.hwnd());
    RepaintNow(dialog.hwnd());
    EXPECT_EQ(ListView_GetNextItem(list.hwnd(), -1, LVNI_SELECTED), 4);
    EXPECT_EQ(itemChanges, changesBefore);

    // Another row selected instead: that one is yellow, the old one light.
    ListView_SetItemState(list.hwnd(), 4, 0, LVIS_SELECTED);
    select(2);
    Capture again(dialog.hwnd());
    EXPECT_EQ(Describe(again.at(rowPoint(2).x, rowPoint(2).y)), Describe(RESULTS_SELECTED_BACK));
    EXPECT_EQ(Describe(again.at(rowPoint(4).x, rowPoint(4).y)), Describe(RESULTS_ROW_BACK));
}

TEST_F(ResultsListTest, NoSelectionNoYellowAndTextColourOverridden) {
    ListView_SetTextColor(list.hwnd(), RGB(255, 0, 0));
    RepaintNow(dialog.hwnd());
    Capture shot(dialog.hwnd());
    const RECT listRect = gui::ChildRect(dialog.hwnd(), list.hwnd());
    EXPECT_EQ(shot.count(listRect, RESULTS_SELECTED_BACK), 0);
    EXPECT_EQ(shot.count(listRect, RGB(255, 0, 0)), 0);
    EXPECT_EQ(ListView_GetTextColor(list.hwnd()), RESULTS_ROW_TEXT);
    EXPECT_EQ(ListView_GetTextBkColor(list.hwnd()), RESULTS_ROW_BACK);
    EXPECT_EQ(SendMessageW(list.hwnd(), WM_ERASEBKGND, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list.header(), WM_ERASEBKGND, 0, 0), 0);
}

TEST_F(ResultsListTest, HeaderFromBitmapsWithWhiteCaptions) {
    const HWND header = list.header();
    ASSERT_NE(header, nullptr);
    Capture shot(header);
    RECT first{};
    RECT second{};
    Header_GetItemRect(header, 0, &first);
    Header_GetItemRect(header, 1, &second);
    // The tile's rows, between the captions and the edges.
    const int x = first.left + 6;
    EXPECT_EQ(Describe(shot.at(x, 0)), Describe(RGB(117, 166, 204)));
    EXPECT_EQ(Describe(shot.at(x, 1)), Describe(RGB(2, 137, 244)));
    EXPECT_EQ(Describe(shot.at(x, 10)), Describe(RGB(0, 130, 197)));
    EXPECT_EQ(Describe(shot.at(x, 18)), Describe(RGB(0, 44, 112)));
    EXPECT_EQ(Describe(shot.at(x, 19)), Describe(RGB(111, 128, 148)));
    // Left edge of the first column (139), right edges of both (140).
    EXPECT_EQ(Describe(shot.at(first.left + 1, 10)), Describe(RGB(0, 128, 241)));
    EXPECT_EQ(Describe(shot.at(first.right - 1, 10)), Describe(RGB(46, 80, 113)));
    if (second.right <= shot.width()) {
        EXPECT_EQ(Describe(shot.at(second.right - 1, 10)), Describe(RGB(46, 80, 113)));
    }
    // The second column starts with a strip of the tile, not the left edge.
    EXPECT_EQ(Describe(shot.at(second.left + 1, 10)), Describe(RGB(0, 130, 197)));
    // Below the 20 pixel pieces, the row colour.
    if (shot.height() > 20) {
        EXPECT_EQ(Describe(shot.at(x, 20)), Describe(RESULTS_ROW_BACK));
    }
    // White captions in both columns, centred.
    const RECT firstCaption = shot.bounds(first, RGB(255, 255, 255));
    const RECT secondCaption = shot.bounds(second, RGB(255, 255, 255));
    ASSERT_GT(firstCaption.right, firstCaption.left);
    ASSERT_GT(secondCaption.right, secondCaption.left);
    const int firstCentre = (firstCaption.left + firstCaption.right) / 2;
    EXPECT_LE(std::abs(firstCentre - (first.left + first.right) / 2), 2);
    SaveIfRequested(shot, "results_header");
}

TEST_F(ResultsListTest, TooWideCaptionEndsInEllipsisAndAmpersandIsNotPrefix) {
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<wchar_t*>(L"A&B");
    Header_SetItem(list.header(), 0, &item);
    item.pszText = const_cast<wchar_t*>(L"A caption far wider than its column can hold");
    Header_SetItem(list.header(), 1, &item);
    ListView_SetColumnWidth(list.hwnd(), 1, 60);
    RepaintNow(dialog.hwnd());
    Capture shot(list.header());
    RECT first{};
    RECT second{};
    Header_GetItemRect(list.header(), 0, &first);
    Header_GetItemRect(list.header(), 1, &second);
    // The caption stays inside its column shrunk by two pixels.
    const RECT caption = shot.bounds(second, RGB(255, 255, 255));
    ASSERT_GT(caption.right, caption.left);
    EXPECT_LE(caption.right, second.right - 2);
    // No underline under the ampersand's B: with DT_NOPREFIX the "&" is drawn.
    const RECT withAmpersand = shot.bounds(first, RGB(255, 255, 255));
    EXPECT_GE(withAmpersand.right - withAmpersand.left, MeasureArial(14, L"A&B").width - 3);
}

// The list shows about seven of its nine rows. With the test data (twelve
// Europe diameters, F = 0.3 + 0.055 Q) 450 W makes the last diameter optimal
// (row 8) and 360 W the one before (row 7): each recalculation brings the
// yellow row fully into view. 250 W gives row 5, in view already: the list
// stays at its top.
TEST(ResultsListInMainWindow, OptimalRowIsScrolledIntoViewOnlyWhenHidden) {
    gui::TempWorkingDirectory directory;
    ASSERT_TRUE(directory.writeDataFile(gui::DataTextWithRefrigerants(1)));
    MemorySettingsStore store;
    MainWindow window(store, readAppIdentity(), programBaseName());
    auto fullyInView = [&](int row) {
        const HWND list = gui::ResultsListWindow(window);
        RECT item{};
        ListView_GetItemRect(list, row, &item, LVIR_BOUNDS);
        RECT client{};
        GetClientRect(list, &client);
        RECT header{};
        GetWindowRect(ListView_GetHeader(list), &header);
        return item.top >= header.bottom - header.top && item.bottom <= client.bottom;
    };
    const struct {
        const char* heatLoad;
        int row;
        bool scrolled;
    } cases[] = {{"250", 5, false}, {"450", 8, true}, {"360", 7, true}};
    gui::Script script;
    gui::WaitShown(script, window).then([&] {
        const HWND list = gui::ResultsListWindow(window);
        ASSERT_LT(ListView_GetCountPerPage(list), 9);
        ASSERT_EQ(ListView_GetTopIndex(list), 0);
        for (const auto& c : cases) {
            gui::ReplaceText(gui::Item(window, IDC_MAIN_HEAT_LOAD), c.heatLoad);
            gui::Tick(window.hwnd());
            ASSERT_EQ(window.result().selectedRow, c.row) << c.heatLoad << " W";
            EXPECT_EQ(gui::SelectedRow(list), c.row);
            EXPECT_TRUE(fullyInView(c.row)) << "row " << c.row;
            EXPECT_EQ(ListView_GetTopIndex(list) > 0, c.scrolled) << "row " << c.row;
        }
        gui::Close(window.hwnd());
    });
    gui::runScripted(window, script);
}
