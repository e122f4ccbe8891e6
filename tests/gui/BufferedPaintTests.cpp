// The buffered paint: what WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND do, and
// that the canvas kept from paint to paint starts every paint afresh.
#include "tests/gui/MainWindowLookSupport.h"
#include "win32/BufferedPaint.h"
#include "win32/Drawing.h"

#include <gtest/gtest.h>

#include <vector>

using namespace look_test;

namespace {

// A window whose paint fills what it is asked to paint with the colour of the
// moment, then leaves a changed DC state behind, and records what each paint
// started from.
class FillingWindow : private BufferedPaint {
public:
    explicit FillingWindow(LRESULT eraseAnswer) : BufferedPaint(eraseAnswer) {
        dialog.messageHook = [this](UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
            const auto handled = handlePaintMessage(dialog.hwnd(), message, wParam);
            result = handled.value_or(0);
            return handled.has_value();
        };
    }

    struct Start {
        RECT area;
        RECT clip;
        COLORREF text;
        int backgroundMode;
        bool onScreen;
    };

    TestDialog dialog;
    COLORREF colour = RGB(200, 0, 0);
    std::vector<Start> starts;

private:
    void paintContent(HDC dc, const RECT& area, bool onScreen) override {
        RECT clip{};
        GetClipBox(dc, &clip);
        starts.push_back({area, clip, GetTextColor(dc), GetBkMode(dc), onScreen});
        RECT client{};
        GetClientRect(dialog.hwnd(), &client);
        fillSolid(dc, client, colour);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, TRANSPARENT);
    }
};

} // namespace

TEST(BufferedPaint, PaintsTheUpdateRectangleOnAKeptCanvasFromAFreshState) {
    FillingWindow window(TRUE);
    ASSERT_TRUE(window.dialog.create({}, 200, 150));
    const HWND w = window.dialog.hwnd();
    RepaintNow(w);
    ASSERT_FALSE(window.starts.empty());
    EXPECT_TRUE(window.starts.back().onScreen);

    // Only the invalidated rectangle is painted, and its canvas clips to it.
    window.colour = RGB(0, 0, 200);
    window.starts.clear();
    const RECT part{30, 20, 90, 70};
    RedrawWindow(w, &part, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(window.starts.size(), 1u);
    const FillingWindow::Start& start = window.starts.front();
    EXPECT_EQ(start.area.left, 30);
    EXPECT_EQ(start.area.bottom, 70);
    EXPECT_TRUE(EqualRect(&start.clip, &part)) << start.clip.left << ", " << start.clip.top
                                               << ", " << start.clip.right << ", "
                                               << start.clip.bottom;
    // Every paint starts from the DC's default state, whatever the last one left.
    EXPECT_EQ(start.text, RGB(0, 0, 0));
    EXPECT_EQ(start.backgroundMode, OPAQUE);
    Capture shot(w);
    EXPECT_EQ(shot.count(part, RGB(0, 0, 200)), 60 * 50);
    EXPECT_EQ(Describe(shot.at(29, 40)), Describe(RGB(200, 0, 0)));
    EXPECT_EQ(Describe(shot.at(90, 40)), Describe(RGB(200, 0, 0)));

    // An erase request erases nothing and gets the answer given.
    HDC dc = GetDC(w);
    EXPECT_EQ(SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), TRUE);
    ReleaseDC(w, dc);
    EXPECT_EQ(Describe(Capture(w).at(50, 40)), Describe(RGB(0, 0, 200)));
}

TEST(BufferedPaint, PrintClientPaintsTheWholeClientIntoTheGivenDC) {
    FillingWindow window(0);
    ASSERT_TRUE(window.dialog.create({}, 120, 80));
    const HWND w = window.dialog.hwnd();
    RepaintNow(w);
    window.starts.clear();
    window.colour = RGB(0, 150, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 80);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_EQ(SendMessageW(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT), 0);
    ASSERT_EQ(window.starts.size(), 1u);
    EXPECT_FALSE(window.starts.front().onScreen);
    EXPECT_EQ(window.starts.front().area.right, 120);
    EXPECT_EQ(window.starts.front().area.bottom, 80);
    EXPECT_EQ(Describe(GetPixel(memory, 119, 79)), Describe(RGB(0, 150, 0)));
    // The DC handed in gets its state back; the window itself is untouched.
    EXPECT_EQ(GetBkMode(memory), OPAQUE);
    EXPECT_EQ(Describe(Capture(w).at(60, 40)), Describe(RGB(200, 0, 0)));
    HDC dc = GetDC(w);
    EXPECT_EQ(SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    ReleaseDC(w, dc);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}
