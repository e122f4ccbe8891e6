// Run by wine-run-dpi.sh at the DPI in OLVANE_TEST_DPI: the screen and the
// system report that DPI, and Arial keeps its face at every height the
// scaled windows ask for, at the cell height they ask for (to the pixel the
// font engine rounds to).
#include "ui/controls/LookFont.h"
#include "win32/Drawing.h"
#include "win32/GdiGuards.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <windows.h>

TEST(DpiSetting, ScreenAndSystemReportTheDpiOfThisRun) {
    const char* text = std::getenv("OLVANE_TEST_DPI");
    const int dpi = text != nullptr ? std::atoi(text) : 0;
    ASSERT_GT(dpi, 0) << "OLVANE_TEST_DPI is not set: run through wine-run-dpi.sh";
    WindowDC screen(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSX), dpi);
    EXPECT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), dpi);
    using GetDpiForSystemFunction = UINT(WINAPI*)(); // Windows 10 1607 on, and Wine
    const auto dpiForSystem = reinterpret_cast<GetDpiForSystemFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem")));
    ASSERT_NE(dpiForSystem, nullptr);
    EXPECT_EQ(dpiForSystem(), static_cast<UINT>(dpi));
}

// The windows ask for "Arial" with variable pitch in the Swiss family; Wine
// honours the face as long as the prefix maps it to a font
// (cmake/wine-prefix.reg), else the pitch and family pick its sans-serif face
// (docs/high-dpi.md).
TEST(DpiSetting, ArialKeepsItsFaceAtEveryHeight) {
    WindowDC screen(nullptr);
    UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    ASSERT_TRUE(dc);
    for (int height = 12; height <= 64; ++height) {
        const HFONT font = lookFont(height);
        ASSERT_NE(font, nullptr);
        SelectGuard selected(dc.get(), font);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc.get(), LF_FACESIZE, face);
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(dc.get(), &metrics));
        EXPECT_EQ(std::wstring(face), L"Arial") << height;
        EXPECT_NE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << height; // variable pitch
        EXPECT_NEAR(metrics.tmHeight, height, 1) << height; // the cell height asked for
    }
}
