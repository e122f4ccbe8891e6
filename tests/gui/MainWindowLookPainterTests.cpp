#include "tests/gui/MainWindowLookSupport.h"
#include "ui/main/MainWindowPainter.h"
#include "ui/main/rules/MainLayout.h"
#include "ui/main/rules/PicturePlacement.h"
#include "win32/BufferedPaint.h"

#include <gtest/gtest.h>

using namespace look_test;

namespace {

MainWindowLook LookFor(int width, int height, int rightInset) {
    MainWindowLook look;
    look.page = computePageGeometry(width, height, rightInset, {1401, 1926});
    look.productName = "Olvane";
    look.programVersion = "1.0 ";
    look.databaseVersion = "0.0.x";
    look.flowRate = 4.26;
    return look;
}

// A window that paints itself with the page painter through the buffered
// paint, with paint resources kept for its lifetime, and erases nothing.
class PaintedWindow : private BufferedPaint {
public:
    explicit PaintedWindow(const MainWindowLook& look) : look_(look) {
        dialog_.messageHook = [this](UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
            if (message == WM_PAINT || message == WM_ERASEBKGND) {
                result = handlePaintMessage(dialog_.hwnd(), message, wParam).value_or(0);
                return true;
            }
            return false;
        };
        created_ = dialog_.create({}, look.page.clientWidth, look.page.clientHeight);
        RepaintNow(dialog_.hwnd());
    }

    bool created() const { return created_; }
    HWND hwnd() const { return dialog_.hwnd(); }
    int clientWidth() const {
        RECT r{};
        GetClientRect(dialog_.hwnd(), &r);
        return r.right;
    }
    int clientHeight() const {
        RECT r{};
        GetClientRect(dialog_.hwnd(), &r);
        return r.bottom;
    }

private:
    // The page for the client the window got, with the picture's own size.
    void paintContent(HDC dc, const RECT&, bool) override {
        look_.page = computePageGeometry(clientWidth(), clientHeight(), look_.page.rightInset,
                                         resources_.pictureSize());
        paintMainWindowContent(dc, look_, resources_);
    }

    MainWindowLook look_;
    PagePaintResources resources_;
    TestDialog dialog_;
    bool created_ = false;
};

bool IsDark(COLORREF c) {
    return c != CLR_INVALID && GetRValue(c) < 128 && GetGValue(c) < 128;
}

// Lowest and highest rows with a dark pixel in the columns [left, right).
std::pair<int, int> DarkRows(const Capture& shot, int left, int right, int top, int bottom) {
    int first = -1;
    int last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (IsDark(shot.at(x, y))) {
                if (first < 0) {
                    first = y;
                }
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

// The page of a width x height client painted with the right-hand inset R.
void CheckPageAt(int width, int height, int R, const char* name) {
    PaintedWindow window(LookFor(width, height, R));
    ASSERT_TRUE(window.created());
    const int W = window.clientWidth();
    const int H = window.clientHeight();
    ASSERT_EQ(W, width);
    ASSERT_EQ(H, height);
    Capture shot(window.hwnd());
    SaveIfRequested(shot, name);
    SCOPED_TRACE(name);

    // Page and header band (left 0, top 16, right W - 8, bottom 67).
    EXPECT_EQ(Describe(shot.at(W - 150, 15)), Describe(PAGE_WHITE));
    EXPECT_EQ(Describe(shot.at(W - 150, 16)), Describe(HEADER_YELLOW));
    EXPECT_EQ(Describe(shot.at(W - 150, 66)), Describe(HEADER_YELLOW));
    EXPECT_EQ(Describe(shot.at(W - 150, 67)), Describe(PAGE_WHITE));
    EXPECT_EQ(Describe(shot.at(W - 9, 50)), Describe(HEADER_YELLOW));
    EXPECT_EQ(Describe(shot.at(W - 8, 50)), Describe(PAGE_WHITE));
    EXPECT_EQ(Describe(shot.at(W - 3, H - 3)), Describe(PAGE_WHITE));
    // The logo's blue plate (x = W - 107 .. W - 8, y = 3 .. 28), left of its emblem.
    EXPECT_EQ(Describe(shot.at(W - 104, 14)), Describe(SELECTOR_BLUE));
    // The product name in the band, dark on yellow.
    EXPECT_GT(DarkRows(shot, 4, 60, 17, 49).first, 0);

    // Panel frames.
    const int P = W - 330 - R;
    for (int top : {94, 275}) {
        const int bottom = top == 94 ? 225 : 502;
        const int midY = (top + bottom) / 2;
        EXPECT_EQ(Describe(shot.at(P, midY)), Describe(PANEL_FRAME_LIGHT));
        EXPECT_EQ(Describe(shot.at(P - 1, midY)), Describe(PANEL_INNER_LIGHT));
        EXPECT_EQ(Describe(shot.at(W - 11 - R, midY)), Describe(PANEL_FRAME_DARK));
        EXPECT_EQ(Describe(shot.at(W - 10 - R, midY)), Describe(PANEL_INNER_DARK));
        // (The flow line's opaque text cell, drawn later, covers the
        // recommendation panel's top lines under its text; look right of it.)
        const int x = W - 16 - R;
        EXPECT_EQ(Describe(shot.at(x, top)), Describe(PANEL_FRAME_LIGHT));
        EXPECT_EQ(Describe(shot.at(x, top + 1)), Describe(PANEL_INNER_LIGHT));
        EXPECT_EQ(Describe(shot.at(x, bottom - 1)), Describe(PANEL_FRAME_DARK));
        EXPECT_EQ(Describe(shot.at(x, bottom)), Describe(PANEL_INNER_DARK));
    }

    // Caption markers A to D, and the markers on the scaled picture.
    for (int i = 0; i < 4; ++i) {
        const PixelPoint at = captionMarkerPosition(i, W, R);
        EXPECT_EQ(Describe(shot.at(at.x - 6, at.y)), Describe(MARKER_FILL)) << "caption " << i;
    }
    const double scale = pictureScale(1401, 1926, W, H, R, PICTURE_TOP);
    for (int i = 0; i < PICTURE_POINT_COUNT; ++i) {
        const PixelPoint at =
            pictureMarkerPosition(PICTURE_POINTS[i], scale, {PICTURE_LEFT, PICTURE_TOP});
        EXPECT_EQ(Describe(shot.at(at.x - 6, at.y)), Describe(MARKER_FILL)) << "picture " << i;
        EXPECT_EQ(Describe(shot.at(at.x + 6, at.y + 5)), Describe(MARKER_FILL)) << "picture " << i;
    }
    // The picture fills its scaled rectangle: its drawing reaches near the
    // bottom-right corner of that rectangle and nothing is drawn beyond it.
    const PixelSize size = scaledPictureSize(1401, 1926, scale);
    const RECT picture{PICTURE_LEFT, PICTURE_TOP, PICTURE_LEFT + size.width,
                       PICTURE_TOP + size.height};
    const int drawn = size.width * size.height - shot.count(picture, PAGE_WHITE) -
                      shot.count(picture, MARKER_FILL);
    EXPECT_GT(drawn, size.width * size.height / 20);
    EXPECT_EQ(shot.count({PICTURE_LEFT + size.width, 100, P - 2, H - 40}, PAGE_WHITE),
              (P - 2 - PICTURE_LEFT - size.width) * (H - 140));

    // The flow line: the 2 of "N_2" is smaller and its foot 2 pixels lower
    // than the N's, and no underscore is drawn.
    const int lineLeft = P + 6;
    const int beforeTwo = MeasureArial(16, L"Flow Rate: 4.3 l/min (N").width;
    const int nWidth = MeasureArial(16, L"N").width;
    const auto nRows =
        DarkRows(shot, lineLeft + beforeTwo - nWidth + 1, lineLeft + beforeTwo - 1, 272, 293);
    const auto twoRows =
        DarkRows(shot, lineLeft + beforeTwo + 1, lineLeft + beforeTwo + 5, 272, 293);
    ASSERT_GE(nRows.first, 0);
    ASSERT_GE(twoRows.first, 0);
    // Both are drawn with their cell bottoms aligned, the 2's 2 pixels lower;
    // the glyphs' feet differ by that plus the two fonts' descents.
    const int descentDifference = MeasureArial(16, L"N").descent - MeasureArial(10, L"2").descent;
    EXPECT_EQ(twoRows.second, nRows.second + 2 + descentDifference);
    EXPECT_LT(twoRows.second - twoRows.first, nRows.second - nRows.first);

    // The hint under the list.
    EXPECT_GT(DarkRows(shot, P + 6, P + 200, 505, 520).first, 0);
}

} // namespace

TEST(MainWindowLookPainter, PageAt784x601WithoutInset) {
    CheckPageAt(784, 601, 0, "painter_784x601");
}

// The inset a 1000 pixel wide window has: the panels and markers move left.
TEST(MainWindowLookPainter, PageAt1000x760WithTheInset) {
    CheckPageAt(1000, 760, rightInset(1000), "painter_1000x760");
}
