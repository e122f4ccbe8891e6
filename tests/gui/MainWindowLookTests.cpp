// The real main window's look: its controls where the layout puts them at
// any size, the page painted with kept resources as with fresh ones, nothing
// erased, and the system's colours under high contrast.
#include "resources/ResourceIds.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowDpiChecks.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/rules/MainLayout.h"
#include "win32/HighContrast.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using look_test::Capture;
using look_test::Describe;

// The refrigeration picture's size in its own pixels.
constexpr PixelSize kPicture{1401, 1926};

struct ClientSize {
    int width = 0;
    int height = 0;
};

ClientSize ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Resizes the window so that its client area is width x height (as far as
// the platform lets it) and lets it lay out and paint.
void SetClientSize(HWND window, int width, int height) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    look_test::RepaintNow(window);
}

RECT ChildRect(HWND window, int id) {
    return gui::ChildRect(window, GetDlgItem(window, id));
}

// Every control sits where the layout puts it for the window's client size
// (the link is sized to its text; the selector's window height also holds
// its drop-down list).
void CheckControlsFollowTheLayout(HWND window) {
    const ClientSize client = ClientOf(window);
    SCOPED_TRACE(std::to_string(client.width) + " x " + std::to_string(client.height));
    for (const ControlPlacement& want :
         computeMainLayout(client.width, client.height, kPicture).controls) {
        const RECT got = ChildRect(window, want.controlId);
        EXPECT_EQ(got.left, want.rect.left) << want.controlId;
        EXPECT_EQ(got.top, want.rect.top) << want.controlId;
        if (want.controlId != IDC_MAIN_HOMEPAGE) {
            EXPECT_EQ(got.right - got.left, want.rect.width()) << want.controlId;
        }
        if (want.controlId != IDC_MAIN_HOMEPAGE && want.controlId != IDC_MAIN_REFRIGERANT) {
            EXPECT_EQ(got.bottom - got.top, want.rect.height()) << want.controlId;
        }
    }
}

} // namespace

TEST(MainWindowLook, ControlsFollowTheLayoutAtAnySizeAndSizingStopsAtTheMinimum) {
    MemorySettingsStore store;
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    gui::WaitShown(script, window).then([&] {
        const HWND w = window.hwnd();
        look_test::RepaintNow(w);
        gui::CaptureScreenIfAsked("main_800x640");
        CheckControlsFollowTheLayout(w);
        // After painting the selection is still on the optimal row, and the
        // columns fit beside the vertical scroll bar: no horizontal bar.
        const HWND list = GetDlgItem(w, IDC_MAIN_RESULTS);
        EXPECT_EQ(gui::SelectedRow(list), window.result().selectedRow);
        RECT listClient{};
        GetClientRect(list, &listClient);
        EXPECT_LE(ListView_GetColumnWidth(list, 0) + ListView_GetColumnWidth(list, 1),
                  listClient.right);
        EXPECT_EQ(gui::WindowText(GetDlgItem(w, IDC_MAIN_HOMEPAGE)),
                  "Homepage: https://www.varnu.com");
        // Below 700 pixels without the right-hand inset, and larger.
        for (const auto& [width, height] : {std::pair<int, int>{699, 640}, {1100, 820}}) {
            SetClientSize(w, width, height);
            ASSERT_EQ(ClientOf(w).width, width);
            CheckControlsFollowTheLayout(w);
        }
        gui::CaptureScreenIfAsked("main_1100x820");

        // WM_SIZING holds 685 x 600, whichever edge is dragged.
        RECT proposed{100, 100, 300, 250};
        SendMessageW(w, WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&proposed));
        EXPECT_EQ(proposed.right - proposed.left, 685);
        EXPECT_EQ(proposed.bottom - proposed.top, 600);
        EXPECT_EQ(proposed.left, 100);
        EXPECT_EQ(proposed.top, 100);
        gui::Close(w);
    });
    gui::runScripted(window, script);
}

// Counts the pixels of the client where `shown` differs from `expected`,
// outside the `skipped` rectangles, and describes the first one.
int CountDifferences(const std::vector<std::uint32_t>& expected, int width, int height,
                     const std::function<COLORREF(int, int)>& shown,
                     const std::vector<RECT>& skipped, std::string& first) {
    int differences = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const POINT p{x, y};
            bool skip = false;
            for (const RECT& r : skipped) {
                skip = skip || PtInRect(&r, p) != FALSE;
            }
            const std::uint32_t e = expected[static_cast<std::size_t>(y) * width + x];
            const COLORREF want = RGB((e >> 16) & 0xFF, (e >> 8) & 0xFF, e & 0xFF);
            if (skip || shown(x, y) == want) {
                continue;
            }
            if (differences++ == 0) {
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") " +
                        Describe(shown(x, y)) + " instead of " + Describe(want);
            }
        }
    }
    return differences;
}

// The page painted with the window's kept resources (the stretched picture
// kept from paint to paint, bitmaps and brushes kept for the window's life)
// is, pixel for pixel, the page painted with resources made for that one
// paint, which stretch the picture anew at that size: at two sizes
// and again at the first size after the resize. Also on the screen, after a
// repaint of part of the window only (an off-screen canvas of the update
// rectangle), outside the child controls.
TEST(MainWindowLook, KeptPaintResourcesGiveTheSamePixelsAsFreshOnes) {
    MemorySettingsStore store;
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    auto compare = [&window](const char* what) {
        const HWND w = window.hwnd();
        const ClientSize client = ClientOf(w);
        SCOPED_TRACE(std::string(what) + ", client " + std::to_string(client.width) + " x " +
                     std::to_string(client.height));
        // The printed page (WM_PRINTCLIENT) is the fresh one.
        const std::vector<std::uint32_t> expected = dpi_check::pageFollowsTheDpi(window);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(client.width) * client.height);
        std::string first;

        // A part of the window repainted on the screen: a band across the
        // picture, the header and the panels.
        look_test::RepaintNow(w);
        const RECT part{client.width / 5, 10, client.width - 40, client.height - 60};
        RedrawWindow(w, &part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        look_test::Pump(20);
        Capture shot(w);
        std::vector<RECT> children;
        for (HWND child = GetWindow(w, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child)) {
                children.push_back(gui::ChildRect(w, child));
            }
        }
        ASSERT_GT(children.size(), 5u);
        auto shownAt = [&shot](int x, int y) { return shot.at(x, y); };
        EXPECT_EQ(CountDifferences(expected, client.width, client.height, shownAt, children, first),
                  0)
            << "screen, first: " << first;
    };
    gui::Script script;
    gui::WaitShown(script, window)
        .then([&] { compare("first size"); })
        .then([&] {
            SetClientSize(window.hwnd(), 1200, 900);
            compare("second size");
        })
        .then([&] {
            SetClientSize(window.hwnd(), 784, 601);
            compare("first size again");
            gui::Close(window.hwnd());
        });
    gui::runScripted(window, script, 60000);
}

TEST(MainWindowLook, NothingIsErased) {
    MemorySettingsStore store;
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    gui::WaitShown(script, window).then([&] {
        const HWND w = window.hwnd();
        look_test::RepaintNow(w);
        const ClientSize client = ClientOf(w);
        // An erase request paints nothing: the yellow band stays.
        HDC dc = GetDC(w);
        EXPECT_EQ(SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), TRUE);
        ReleaseDC(w, dc);
        const HWND list = GetDlgItem(w, IDC_MAIN_RESULTS);
        HDC listDc = GetDC(list);
        EXPECT_EQ(SendMessageW(list, WM_ERASEBKGND, reinterpret_cast<WPARAM>(listDc), 0), 0);
        ReleaseDC(list, listDc);
        Capture shot(w);
        EXPECT_EQ(Describe(shot.at(client.width - 150, 40)), Describe(HEADER_YELLOW));
        EXPECT_EQ(Describe(shot.at(20, 10)), Describe(PAGE_WHITE));

        // An invalidation with erasing followed by the paint: at no
        // moment does the platform's background colour show, because the
        // erase step does nothing and the paint copies one whole bitmap.
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
        Capture afterErase(w);
        EXPECT_EQ(Describe(afterErase.at(client.width - 150, 40)), Describe(HEADER_YELLOW));
        EXPECT_EQ(afterErase.count({0, 0, client.width, 90}, GetSysColor(COLOR_BTNFACE)), 0);
        UpdateWindow(w);
        EXPECT_NE(SendMessageW(w, WM_QUERYDRAGICON, 0, 0), 0);
        gui::Close(w);
    });
    gui::runScripted(window, script);
}

// Under high contrast every surface, the optimal row, the buttons, the list
// header and the link take the system's colours; when it is turned off again
// the program's own colours come back. Wine cannot switch the mode on, so
// the test answers the window's question and sets the system colours itself.
TEST(MainWindowLook, HighContrastTakesTheSystemColoursAndGivesThemBack) {
    const int elements[] = {COLOR_WINDOW,  COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                            COLOR_BTNFACE, COLOR_BTNTEXT,    COLOR_HOTLIGHT};
    const COLORREF contrast[] = {RGB(0, 0, 0),      RGB(255, 255, 255), RGB(26, 235, 255),
                                 RGB(0, 0, 0),      RGB(32, 32, 32),    RGB(255, 255, 0),
                                 RGB(128, 255, 128)};
    COLORREF saved[std::size(elements)] = {};
    for (std::size_t i = 0; i < std::size(elements); ++i) {
        saved[i] = GetSysColor(elements[i]);
    }
    // Whatever the steps do, the system's colours and its answer come back.
    struct Restore {
        const int* elements;
        const COLORREF* colours;
        int count;
        ~Restore() {
            forceHighContrast(std::nullopt);
            SetSysColors(count, elements, colours);
        }
    } restore{elements, saved, static_cast<int>(std::size(elements))};

    MemorySettingsStore store;
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    gui::WaitShown(script, window)
        .then([&] {
            const HWND w = window.hwnd();
            forceHighContrast(true);
            SetSysColors(static_cast<int>(std::size(elements)), elements, contrast);
            SendMessageW(w, WM_SYSCOLORCHANGE, 0, 0);
            look_test::RepaintNow(w);
            Capture shot(w);
            gui::CaptureScreenIfAsked("main_high_contrast");
            const int W = ClientOf(w).width;
            const int P = panelLeft(W, rightInset(W));
            EXPECT_EQ(Describe(shot.at(W - 150, 10)), Describe(contrast[0]));
            EXPECT_EQ(Describe(shot.at(W - 150, 40)), Describe(contrast[0])); // the band
            EXPECT_EQ(Describe(shot.at(P, 150)), Describe(contrast[1]));      // a frame
            const PixelPoint marker =
                computeMainLayout(W, ClientOf(w).height, kPicture).page.captionMarkers[0];
            EXPECT_EQ(Describe(shot.at(marker.x - 6, marker.y)), Describe(contrast[2]));
            const HWND list = GetDlgItem(w, IDC_MAIN_RESULTS);
            RECT row{};
            ListView_GetItemRect(list, window.result().selectedRow, &row, LVIR_BOUNDS);
            POINT inRow{row.left + 100, (row.top + row.bottom) / 2};
            MapWindowPoints(list, w, &inRow, 1);
            EXPECT_EQ(Describe(shot.at(inRow.x, inRow.y)), Describe(contrast[2]));
            const RECT listRect = ChildRect(w, IDC_MAIN_RESULTS);
            EXPECT_EQ(Describe(shot.at(listRect.left + 8, listRect.top + 12)),
                      Describe(contrast[4]));
            const RECT help = ChildRect(w, IDC_MAIN_HELP);
            EXPECT_EQ(Describe(shot.at(help.left + 3, help.top + 3)), Describe(contrast[4]));
            EXPECT_GT(shot.count(help, contrast[5]), 10);
            EXPECT_GT(shot.count(ChildRect(w, IDC_MAIN_HOMEPAGE), contrast[6]), 20);
            const RECT field = ChildRect(w, IDC_MAIN_HEAT_LOAD);
            EXPECT_EQ(Describe(shot.at(field.right - 4, field.bottom - 4)), Describe(contrast[0]));
            EXPECT_GT(shot.count(field, contrast[1]), 10); // the value, in window text

            forceHighContrast(false);
            SetSysColors(static_cast<int>(std::size(elements)), elements, saved);
            SendMessageW(w, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
            look_test::RepaintNow(w);
            Capture again(w);
            EXPECT_EQ(Describe(again.at(W - 150, 40)), Describe(HEADER_YELLOW));
            EXPECT_EQ(Describe(again.at(inRow.x, inRow.y)), Describe(RESULTS_SELECTED_BACK));
            EXPECT_EQ(Describe(again.at(help.left + 3, help.top + 3)), Describe(SELECTOR_BLUE));
        })
        .then([&] { gui::Close(window.hwnd()); });
    gui::runScripted(window, script);
}
