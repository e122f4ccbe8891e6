// The real main window's look: painted pixels of the page, the panels, the
// markers, the results list, the buttons, the selector and the link, at two
// window sizes; the right-hand inset; nothing erased; the paint time.
#include "resources/ResourceIds.h"
#include "settings/SettingsNames.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/controls/HyperlinkLabel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/ResultsList.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/PicturePlacement.h"
#include "win32/HighContrast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using look_test::Capture;
using look_test::Describe;
using look_test::Render;

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

RECT ChildRect(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A store with the default placement (10, 10, 800 x 640) unless changed.
MemorySettingsStore PlacedStore(int width = 800, int height = 640) {
    MemorySettingsStore store;
    store.writeInt(SECTION_LOCATION, VALUE_X_POSITION, 10);
    store.writeInt(SECTION_LOCATION, VALUE_Y_POSITION, 10);
    store.writeInt(SECTION_LOCATION, VALUE_X_SIZE, width);
    store.writeInt(SECTION_LOCATION, VALUE_Y_SIZE, height);
    return store;
}

gui::Script& WaitForWindow(gui::Script& script, const MainWindow& window) {
    return script.waitUntil(
        [&window] { return window.hwnd() != nullptr && IsWindowVisible(window.hwnd()); },
        "the main window to be shown");
}

// The page, panels and markers at the window's current size.
void CheckPage(HWND window) {
    look_test::RepaintNow(window);
    const ClientSize client = ClientOf(window);
    const int W = client.width;
    const int H = client.height;
    const int R = rightInset(W);
    const int P = panelLeft(W, R);
    Capture shot(window);
    SCOPED_TRACE(std::to_string(W) + " x " + std::to_string(H));

    EXPECT_EQ(Describe(shot.at(W - 150, 40)), Describe(HEADER_YELLOW));
    EXPECT_EQ(Describe(shot.at(W - 150, 10)), Describe(PAGE_WHITE));
    EXPECT_EQ(Describe(shot.at(W - 4, 40)), Describe(PAGE_WHITE));
    EXPECT_EQ(Describe(shot.at(W - 150, 70)), Describe(PAGE_WHITE));
    // Frames of both panels, outer and inner outline.
    for (const auto& panel : {std::pair<int, int>{94, 225}, std::pair<int, int>{275, 502}}) {
        const int middle = (panel.first + panel.second) / 2;
        EXPECT_EQ(Describe(shot.at(P, middle)), Describe(PANEL_FRAME_LIGHT));
        EXPECT_EQ(Describe(shot.at(P - 1, middle)), Describe(PANEL_INNER_LIGHT));
        EXPECT_EQ(Describe(shot.at(W - 11 - R, middle)), Describe(PANEL_FRAME_DARK));
        EXPECT_EQ(Describe(shot.at(W - 10 - R, middle)), Describe(PANEL_INNER_DARK));
        EXPECT_EQ(Describe(shot.at(W - 16 - R, panel.second - 1)), Describe(PANEL_FRAME_DARK));
    }
    // The markers where the layout's page geometry puts them.
    const PageGeometry page = computeMainLayout(W, H, kPicture).page;
    EXPECT_DOUBLE_EQ(page.picture.scale, pictureScale(1401, 1926, W, H, R, PICTURE_TOP));
    for (std::size_t i = 0; i < page.captionMarkers.size(); ++i) {
        const PixelPoint at = page.captionMarkers[i];
        EXPECT_EQ(Describe(shot.at(at.x - 6, at.y)), Describe(MARKER_FILL)) << "caption " << i;
    }
    for (std::size_t i = 0; i < page.pictureMarkers.size(); ++i) {
        const PixelPoint at = page.pictureMarkers[i];
        EXPECT_EQ(Describe(shot.at(at.x - 6, at.y)), Describe(MARKER_FILL)) << "picture " << i;
    }
    // The flow line has text; the hint under the list too.
    int dark = 0;
    for (int x = P + 6; x < P + 200; ++x) {
        for (int y = 274; y < 293; ++y) {
            const COLORREF c = shot.at(x, y);
            dark += (GetRValue(c) < 100 && GetGValue(c) < 100) ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 50);
}

} // namespace

TEST(MainWindowLook, PageAndControlsAt800x640AndLarger) {
    MemorySettingsStore store = PlacedStore();
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    WaitForWindow(script, window)
        .then([&] {
            const HWND w = window.hwnd();
            SetFocus(GetDlgItem(w, IDC_MAIN_HEAT_LOAD));
            CheckPage(w);
            const ClientSize client = ClientOf(w);
            Capture shot(w);
            gui::CaptureScreenIfAsked("main_800x640");

            // The results list: the optimal row yellow, the others light,
            // the selection still on the optimal row after painting.
            const HWND list = GetDlgItem(w, IDC_MAIN_RESULTS);
            const int selected = window.result().selectedRow;
            ASSERT_EQ(gui::SelectedRow(list), selected);
            RECT listClient{};
            GetClientRect(list, &listClient);
            const int visible = ListView_GetCountPerPage(list);
            for (int row = 0; row < std::min(visible, 9); ++row) {
                RECT rowRect{};
                ListView_GetItemRect(list, row, &rowRect, LVIR_BOUNDS);
                POINT p{std::min(rowRect.right, listClient.right) - 6,
                        (rowRect.top + rowRect.bottom) / 2};
                MapWindowPoints(list, w, &p, 1);
                EXPECT_EQ(Describe(shot.at(p.x, p.y)),
                          Describe(row == selected ? RESULTS_SELECTED_BACK : RESULTS_ROW_BACK))
                    << "row " << row;
            }
            EXPECT_EQ(gui::SelectedRow(list), selected);
            // The columns fit beside the vertical scroll bar: no horizontal bar.
            EXPECT_LE(ListView_GetColumnWidth(list, 0) + ListView_GetColumnWidth(list, 1),
                      listClient.right);
            // The header's tile under the first caption's left end.
            const RECT listRect = ChildRect(w, IDC_MAIN_RESULTS);
            EXPECT_EQ(Describe(shot.at(listRect.left + 8, listRect.top + 12)),
                      Describe(RGB(0, 130, 197)));

            // The three buttons: blue faces with white captions.
            for (int id : {IDC_MAIN_HELP, IDC_MAIN_PRINT, IDC_MAIN_SETTINGS}) {
                const RECT b = ChildRect(w, id);
                EXPECT_EQ(Describe(shot.at(b.left + 3, b.top + 3)), Describe(SELECTOR_BLUE)) << id;
                EXPECT_GT(shot.count({b.left + 6, b.top + 3, b.right - 6, b.bottom - 3},
                                     RGB(255, 255, 255)),
                          10)
                    << id;
                EXPECT_EQ(b.right - b.left, 80);
                EXPECT_EQ(b.bottom, client.height - 10);
            }
            // The link: link colour on white.
            const RECT link = ChildRect(w, IDC_MAIN_HOMEPAGE);
            EXPECT_GT(shot.count(link, LINK_UNVISITED), 20);
            EXPECT_EQ(Describe(shot.at(link.left, link.bottom - 1)), Describe(PAGE_WHITE));
            EXPECT_EQ(gui::WindowText(GetDlgItem(w, IDC_MAIN_HOMEPAGE)),
                      "Homepage: https://www.varnu.com");

            // The selector: light face without the focus, blue with it.
            const RECT combo = ChildRect(w, IDC_MAIN_REFRIGERANT);
            EXPECT_EQ(Describe(shot.at(combo.left + 4, combo.top + 4)), Describe(FIELD_BACKGROUND));
            SetFocus(GetDlgItem(w, IDC_MAIN_REFRIGERANT));
            look_test::RepaintNow(w);
            Capture focused(w);
            EXPECT_EQ(Describe(focused.at(combo.left + 4, combo.top + 4)), Describe(SELECTOR_BLUE));
            EXPECT_GT(
                focused.count({combo.left + 7, combo.top + 3, combo.right - 20, combo.bottom - 5},
                              RGB(255, 255, 255)),
                10);
            gui::CaptureScreenIfAsked("main_selector_focus");
        })
        .then([&] {
            // Larger: the picture and the markers follow the new size.
            SetClientSize(window.hwnd(), 1100, 820);
            CheckPage(window.hwnd());
            gui::CaptureScreenIfAsked("main_1100x820");
            gui::Close(window.hwnd());
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
    MemorySettingsStore store = PlacedStore();
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    auto compare = [&window](const char* what) {
        const HWND w = window.hwnd();
        const ClientSize client = ClientOf(w);
        SCOPED_TRACE(std::string(what) + ", client " + std::to_string(client.width) + " x " +
                     std::to_string(client.height));
        PagePaintResources fresh;
        MainWindowLook look;
        look.page = computeMainLayout(client.width, client.height, fresh.pictureSize()).page;
        look.productName = window.identity().productName;
        look.programVersion = window.identity().programVersion;
        look.databaseVersion = window.identity().databaseVersion;
        look.units = window.units();
        look.flowRate = window.result().flowRate;
        const std::vector<std::uint32_t> expected =
            Render(client.width, client.height,
                   [&](HDC dc) { paintMainWindowContent(dc, look, fresh); });
        const std::vector<std::uint32_t> kept =
            Render(client.width, client.height, [w](HDC dc) {
                SendMessageW(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
            });
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(client.width) * client.height);
        ASSERT_EQ(kept.size(), expected.size());
        std::string first;
        auto keptAt = [&](int x, int y) {
            const std::uint32_t p = kept[static_cast<std::size_t>(y) * client.width + x];
            return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        };
        EXPECT_EQ(CountDifferences(expected, client.width, client.height, keptAt, {}, first), 0)
            << "printed page, first: " << first;

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
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
                children.push_back(r);
            }
        }
        ASSERT_GT(children.size(), 5u);
        auto shownAt = [&shot](int x, int y) { return shot.at(x, y); };
        EXPECT_EQ(CountDifferences(expected, client.width, client.height, shownAt, children, first),
                  0)
            << "screen, first: " << first;
    };
    gui::Script script;
    WaitForWindow(script, window)
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

TEST(MainWindowLook, RightInsetFollowsTheWidthAndSizingStopsAtTheMinimum) {
    MemorySettingsStore store = PlacedStore();
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    WaitForWindow(script, window).then([&] {
        const HWND w = window.hwnd();
        // The list's left edge is P + 6 = W - 330 - R + 6.
        auto insetAt = [w](int width) {
            SetClientSize(w, width, 640);
            const ClientSize client = ClientOf(w);
            const RECT list = ChildRect(w, IDC_MAIN_RESULTS);
            return std::pair<int, int>{client.width, client.width - 324 - list.left};
        };
        const auto narrow = insetAt(699);
        ASSERT_EQ(narrow.first, 699);
        EXPECT_EQ(narrow.second, 0);
        const auto at700 = insetAt(700);
        ASSERT_EQ(at700.first, 700);
        EXPECT_EQ(at700.second, 46);
        // 1500 where the screen lets the window be that wide.
        const auto wide = insetAt(1500);
        if (wide.first == 1500) {
            EXPECT_EQ(wide.second, 100);
        } else {
            EXPECT_EQ(wide.second, wide.first / 15) << "client width " << wide.first;
        }

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

TEST(MainWindowLook, NothingIsErased) {
    MemorySettingsStore store = PlacedStore();
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    WaitForWindow(script, window).then([&] {
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

TEST(MainWindowLook, InvalidInputAndImperialUnits) {
    MemorySettingsStore store = PlacedStore();
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_ENERGY, 0);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_TEMPERATURE, 1);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_PRESSURE, 1);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_DIAMETER, 1);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_LENGTH, 1);
    store.writeInt(SECTION_SETTINGS, VALUE_UNITS_FLOW, 0);
    store.writeInt(SECTION_SETTINGS, VALUE_HEAT_LOAD, 37500);
    store.writeInt(SECTION_SETTINGS, VALUE_EVAP_TEMP, -1300);
    store.writeInt(SECTION_SETTINGS, VALUE_COND_TEMP, 13100);
    store.writeInt(SECTION_SETTINGS, VALUE_RETURN_GAS_TEMP, 8960);
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    WaitForWindow(script, window)
        .then([&] {
            const HWND w = window.hwnd();
            CheckPage(w);
            gui::CaptureScreenIfAsked("main_imperial");
            // An invalid heat load: one message row, nothing yellow.
            gui::ReplaceText(GetDlgItem(w, IDC_MAIN_HEAT_LOAD), "0");
            gui::Tick(w);
            look_test::RepaintNow(w);
            const HWND list = GetDlgItem(w, IDC_MAIN_RESULTS);
            EXPECT_EQ(gui::SelectedRow(list), -1);
            Capture shot(w);
            EXPECT_EQ(shot.count(ChildRect(w, IDC_MAIN_RESULTS), RESULTS_SELECTED_BACK), 0);
            gui::CaptureScreenIfAsked("main_invalid_input");
        })
        .then([&] {
            // The selector open: the other button bitmap while the list shows.
            const HWND combo = GetDlgItem(window.hwnd(), IDC_MAIN_REFRIGERANT);
            SetFocus(combo);
            SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            look_test::Pump(100);
            const RECT face = ChildRect(window.hwnd(), IDC_MAIN_REFRIGERANT);
            Capture open(window.hwnd());
            EXPECT_EQ(Describe(open.at(face.right - 18, face.top + 4)), Describe(RGB(6, 79, 190)));
            gui::CaptureScreenIfAsked("main_selector_open");
            SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
            look_test::Pump(50);
            gui::Close(window.hwnd());
        });
    gui::runScripted(window, script);
}

// Under high contrast every surface, the optimal row, the buttons, the list
// header and the link take the system's colours; when it is turned off again
// the program's own colours come back. Wine cannot switch the mode on, so
// the test answers the window's question and sets the system colours itself.
TEST(MainWindowLook, HighContrastTakesTheSystemColoursAndGivesThemBack) {
    const int elements[] = {COLOR_WINDOW,        COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                            COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE,    COLOR_BTNTEXT,
                            COLOR_HOTLIGHT};
    const COLORREF contrast[] = {RGB(0, 0, 0),    RGB(255, 255, 255), RGB(26, 235, 255),
                                 RGB(0, 0, 0),    RGB(32, 32, 32),    RGB(255, 255, 0),
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

    MemorySettingsStore store = PlacedStore();
    MainWindow window(store, gui::TestIdentity(), L"gui_tests");
    gui::Script script;
    WaitForWindow(script, window)
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
            const PixelPoint marker = computeMainLayout(W, ClientOf(w).height, kPicture)
                                          .page.captionMarkers[0];
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
            EXPECT_EQ(Describe(shot.at(field.right - 4, field.bottom - 4)),
                      Describe(contrast[0]));
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
