#pragma once
// The main window's list of candidate tubes: a report-view list control whose
// selected row is drawn black on yellow (painting changes no item state),
// which paints through an off-screen canvas without erasing, whose columns
// share its client width beside the vertical scroll bar, and whose column
// header is drawn from bitmaps with white, centred captions. Colours: the
// palette's results colours; under high contrast the header is drawn flat in
// the button colours, without its bitmaps. The header's pieces, lines and
// caption font are figures at 96 DPI drawn at the list's DPI, the pieces from
// the bitmap set nearest to it (BitmapSets); the rows follow the font the
// window gives the list.
#include "ui/framework/SubclassedControl.h"
#include "ui/look/Palette.h"
#include "units/DpiScale.h"
#include "win32/BufferedPaint.h"
#include "win32/Unique.h"

#include <optional>
#include <windows.h>

#include <commctrl.h>

class ResultsList : public SubclassedControl, private BufferedPaint {
public:
    // An erase request is answered 0: the paint covers the rows.
    ResultsList() : BufferedPaint(0), header_(palette_) {}

    // The colours of the rows, the selected row and the header.
    void setPalette(const Palette& palette);

    // The DPI the header is drawn at; 96 until told.
    void setDpi(int dpi);

    // Flat scroll bars with both arrows of both bars disabled.
    void setUpScrollBars();

    // Gives every column an equal share of the client width (rounded down),
    // which leaves nothing to scroll sideways. Runs again whenever the
    // client changes size.
    void fitColumns();

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND header() const noexcept { return header_.hwnd(); }

protected:
    void onAttached() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The list's column header, taken over when the list is attached. Its
    // bitmaps are loaded at its first paint and kept; its captions are in
    // the look's 14-pixel font.
    class Header : public SubclassedControl, private BufferedPaint {
    public:
        explicit Header(const Palette& palette) : BufferedPaint(0), palette_(palette) {}

        // Drops the pieces when the DPI asks for another size; the next
        // paint loads them.
        void setDpi(int dpi);

    protected:
        LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        void paintContent(HDC dc, const RECT& area, bool onScreen) override;
        void makeResources();

        const Palette& palette_; // the list's
        int dpi_ = DESIGN_DPI;
        bool resourcesMade_ = false;
        UniqueBitmap tile_;
        UniqueBitmap leftEdge_;
        UniqueBitmap rightEdge_;
    };

    LRESULT onCustomDraw(const NMLVCUSTOMDRAW& draw);
    void paintContent(HDC dc, const RECT& area, bool onScreen) override;
    void excludeFromPaint(HDC target) override;

    Palette palette_;
    Header header_;
};
