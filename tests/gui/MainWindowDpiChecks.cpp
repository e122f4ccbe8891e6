#include "tests/gui/MainWindowDpiChecks.h"

#include "resources/ResourceIds.h"
#include "tests/gui/GuiHarness.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/rules/BitmapSets.h"
#include "win32/Drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace dpi_check {

namespace {

using Pixels = std::vector<std::uint32_t>;

int fontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

Pixels printed(HWND window, int width, int height) {
    return gui::Render(width, height, [window](HDC dc) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}

// The `size` pixels from `at` on of an image `width` wide.
Pixels region(const Pixels& pixels, int width, PixelPoint at, PixelSize size) {
    Pixels part;
    for (int y = at.y; y < at.y + size.height; ++y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width + at.x;
        part.insert(part.end(), row, row + size.width);
    }
    return part;
}

// `shown` (its top rows at least) is bitmap `resource` drawn at `drawn` from
// the set for `dpi`: one to one, or smoothed, which blends pixels into
// colours the set lacks (a plain stretch only repeats or drops pixels).
void expectDrawnFromItsSet(const Pixels& shown, int resource, PixelSize drawn, int dpi) {
    const UniqueBitmap set = loadBitmapResource(bitmapResourceAt(resource, dpi));
    const SIZE own = bitmapSize(set.get());
    const Pixels original = gui::Render(
        own.cx, own.cy, [&](HDC dc) { copyBitmap(dc, set.get(), 0, 0, own.cx, own.cy); });
    if (own.cx == drawn.width && own.cy == drawn.height) {
        EXPECT_TRUE(std::equal(shown.begin(), shown.end(), original.begin()))
            << "bitmap " << resource << " is not its set one to one at " << dpi;
        return;
    }
    const std::set<std::uint32_t> colours(original.begin(), original.end());
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
                            [&](std::uint32_t c) { return colours.count(c) == 0; }))
        << "bitmap " << resource << " is not smoothed at " << dpi;
}

MainWindowLook lookOf(const MainWindow& window, const PageGeometry& page) {
    MainWindowLook look;
    look.page = page;
    look.productName = window.identity().productName;
    look.programVersion = window.identity().programVersion;
    look.databaseVersion = window.identity().databaseVersion;
    look.units = window.units();
    look.flowRate = window.result().flowRate;
    return look;
}

} // namespace

void controlsFollowTheDpi(const MainWindow& window) {
    const HWND w = window.hwnd();
    const int dpi = window.dpi();
    RECT client{};
    GetClientRect(w, &client);
    const PixelSize picture{1401, 1926};
    const MainLayout layout = computeMainLayout(client.right, client.bottom, picture, {dpi});
    const MainLayout design = computeMainLayout(unscalePixels(client.right, dpi),
                                                unscalePixels(client.bottom, dpi), picture);
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const int id = layout.controls[i].controlId;
        const PixelRect& want = layout.controls[i].rect;
        const PixelRect& at96 = design.controls[i].rect;
        const RECT got = gui::ChildRect(w, GetDlgItem(w, id));
        EXPECT_TRUE(got.left == want.left && got.top == want.top && got.right == want.right &&
                    got.bottom == want.bottom) // the selector's: its face
            << id << " at " << dpi << " DPI is at " << got.left << ", " << got.top;
        EXPECT_NEAR(want.left, scalePixels(at96.left, dpi), 2) << id << " at " << dpi;
        EXPECT_NEAR(want.top, scalePixels(at96.top, dpi), 2) << id << " at " << dpi;
        EXPECT_NEAR(want.width(), scalePixels(at96.width(), dpi), 1) << id << " at " << dpi;
        EXPECT_NEAR(want.height(), scalePixels(at96.height(), dpi), 1) << id << " at " << dpi;
    }
    EXPECT_EQ(fontHeight(GetDlgItem(w, IDC_MAIN_HEAT_LOAD)), scalePixels(TEXT_FONT_HEIGHT, dpi));
    EXPECT_EQ(fontHeight(GetDlgItem(w, IDC_MAIN_RESULTS)), scalePixels(LIST_FONT_HEIGHT, dpi));
}

std::vector<std::uint32_t> pageFollowsTheDpi(const MainWindow& window) {
    const HWND w = window.hwnd();
    const int dpi = window.dpi();
    RECT client{};
    GetClientRect(w, &client);
    PagePaintResources fresh;
    const MainWindowLook look = lookOf(
        window, computeMainLayout(client.right, client.bottom, fresh.pictureSize(), {dpi}).page);
    const Pixels kept = printed(w, client.right, client.bottom);
    const Pixels expected = gui::Render(client.right, client.bottom,
                                        [&](HDC dc) { paintMainWindowContent(dc, look, fresh); });
    if (kept.empty() || kept.size() != expected.size()) {
        ADD_FAILURE() << "no page to compare at " << dpi << " DPI";
        return expected;
    }
    EXPECT_TRUE(kept == expected) << "the page at " << dpi << " DPI";
    EXPECT_EQ(window.logoResource(), bitmapResourceAt(IDB_LOGO, dpi));
    expectDrawnFromItsSet(region(kept, client.right, look.page.logo, look.page.sizes.logo),
                          IDB_LOGO, look.page.sizes.logo, dpi);

    const HWND selector = GetDlgItem(w, IDC_MAIN_REFRIGERANT);
    RECT face{};
    GetClientRect(selector, &face);
    const ControlSizes sizes = controlSizesAt({dpi});
    const PixelSize button{sizes.selectorButtonWidth, sizes.selectorPieceHeight};
    expectDrawnFromItsSet(region(printed(selector, face.right, face.bottom), face.right,
                                 {face.right - button.width, 0}, {button.width, face.bottom}),
                          IDB_COMBO_BUTTON, button, dpi);
    return expected;
}

} // namespace dpi_check
