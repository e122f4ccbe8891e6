// The main window in a prefix whose LogPixels is the DPI in OLVANE_TEST_DPI.
#include "resources/ResourceIds.h"
#include "settings/SettingsNames.h"
#include "settings/WindowPlacement.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/MainWindowDpiChecks.h"
#include "tests/gui/MainWindowLookSupport.h"
#include "tests/support/MemorySettingsStore.h"
#include "ui/controls/LookFont.h"
#include "ui/main/rules/FlowLineText.h"
#include "ui/main/rules/PanelTexts.h"
#include "win32/GdiGuards.h"
#include "win32/Text1252.h"
#include "win32/WindowDpi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

int testDpi() {
    const char* text = std::getenv("OLVANE_TEST_DPI");
    return text != nullptr ? std::atoi(text) : 0;
}

SIZE outerSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int textWidth(const std::string& text, int height) {
    WindowDC screen(nullptr);
    SelectGuard font(screen.get(), lookFont(height));
    const std::wstring wide = widen1252(text);
    SIZE size{};
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

// No painted caption reaches its field, no field its unit, and the flow line
// (measured all in its base font, wider than drawn) fits its place.
void captionsClearTheirFields(const MainWindow& window) {
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    const MainLayout layout =
        computeMainLayout(client.right, client.bottom, {1401, 1926}, {window.dpi()});
    const PageGeometry& page = layout.page;
    for (std::size_t row = 0; row < CAPTION_ROWS; ++row) {
        const PixelRect field = layout.controls[row].rect; // the selector, then the fields
        const char* caption = INPUT_ROW_TEXTS[row].caption;
        EXPECT_LT(page.captionColumn + textWidth(caption, page.sizes.captionHeight), field.left)
            << caption;
        EXPECT_TRUE(row == 0 || field.right <= page.unitColumn) << caption; // the selector is wider
    }
    std::string flowLine = flowLineText(window.units(), window.result().flowRate);
    flowLine.erase(flowLine.find('_'), 1);
    EXPECT_LE(textWidth(flowLine, page.sizes.flowLineHeight), page.flowLine.width());
}

} // namespace

// The stored default size opens scaled to this DPI, fitted to the work area
// where too large; controls, fonts, captions, bitmaps and page follow the
// DPI; a picture is left to look at.
TEST(DpiWindow, OpensScaledAndLaysOutLettersAndPaintsAtTheDpi) {
    const int dpi = testDpi();
    ASSERT_GT(dpi, 0) << "OLVANE_TEST_DPI is not set: run through wine-run-dpi.sh";
    MemorySettingsStore store;
    MainWindow window(store, gui::TestIdentity(), L"dpi_tests");
    gui::Script script;
    gui::WaitShown(script, window).then([&] {
        const HWND w = window.hwnd();
        look_test::RepaintNow(w);
        EXPECT_EQ(window.dpi(), dpi);
        const RECT work = monitorWorkAreaAt({DEFAULT_X_POSITION, DEFAULT_Y_POSITION});
        const WindowPlacement opened = fitStoredPlacement(
            placementAtDpi(WindowPlacement{}, dpi),
            {work.left, work.top, work.right - work.left, work.bottom - work.top}, dpi);
        EXPECT_EQ(outerSize(w).cx, opened.width);
        EXPECT_EQ(outerSize(w).cy, opened.height);
        dpi_check::controlsFollowTheDpi(window);
        captionsClearTheirFields(window);
        dpi_check::pageFollowsTheDpi(window);
        gui::CaptureScreenIfAsked("dpi_main_" + std::to_string(dpi), w);
        gui::Close(w);
    });
    gui::runScripted(window, script, 60000);
}
