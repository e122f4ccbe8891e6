// The tests at other DPIs run under the display DPI that wine-run-dpi.sh set
// (OLVANE_TEST_DPI): the screen and the system report it, and the program's
// fonts keep their face at every height the scaled layout asks for.
#include "win32/Drawing.h"
#include "win32/GdiGuards.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <windows.h>

namespace {

// The DPI the runner set, or 0 when the test was started without it.
int dpiOfThisRun() {
    const char* text = std::getenv("OLVANE_TEST_DPI");
    return text != nullptr ? std::atoi(text) : 0;
}

} // namespace

TEST(DpiSetting, ScreenAndSystemReportTheDpiOfThisRun) {
    const int dpi = dpiOfThisRun();
    ASSERT_GT(dpi, 0) << "OLVANE_TEST_DPI is not set: run through wine-run-dpi.sh";
    WindowDC screen(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSX), dpi);
    EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), dpi);
    // Windows 10 1607 and later; Wine has it.
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    const auto dpiForSystem = reinterpret_cast<GetDpiForSystemFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")));
    ASSERT_NE(dpiForSystem, nullptr);
    EXPECT_EQ(dpiForSystem(), static_cast<UINT>(dpi));
}

// The program asks for "Arial" with pitch-and-family 1 (fixed pitch). Under
// Wine the face name decides as long as the prefix maps Arial to a font it
// has (cmake/wine-prefix.reg); only a face it cannot find falls back, and
// then the fixed pitch picks a monospaced face. That holds at every DPI and
// every height from the 96-DPI figures to their double.
TEST(DpiSetting, ArialKeepsItsFaceAtEveryHeight) {
    WindowDC screen(nullptr);
    UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    ASSERT_TRUE(dc);
    for (int height = 12; height <= 64; ++height) {
        UniqueFont font = createFont({L"Arial", height, 0, 400, FIXED_PITCH});
        ASSERT_TRUE(font);
        SelectGuard selected(dc.get(), font.get());
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc.get(), LF_FACESIZE, face);
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(dc.get(), &metrics));
        EXPECT_EQ(std::wstring(face), L"Arial") << "height " << height;
        // TMPF_FIXED_PITCH set means a variable-pitch font.
        EXPECT_NE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "height " << height;
    }
}
