#pragma once
// The main window's list of candidate tubes: a report-view list control whose
// selected row is drawn black on yellow (painting changes no item state),
// which paints through an off-screen canvas without erasing, whose columns
// share its client width beside the vertical scroll bar, and whose column
// header is drawn from bitmaps with white, centred captions. Colours: the
// palette's RESULTS_*.
#include "ui/framework/SubclassedControl.h"
#include "ui/look/Palette.h"
#include "win32/BufferedPaint.h"
#include "win32/Unique.h"

#include <windows.h>

#include <commctrl.h>

class ResultsList : public SubclassedControl, private BufferedPaint {
public:
    // An erase request is answered 0: the paint covers the rows.
    ResultsList() : BufferedPaint(0) {}

    // Flat scroll bars with both arrows of both bars disabled.
    void setUpScrollBars();

    // Gives every column an equal share of the client width (rounded down),
    // which leaves nothing to scroll sideways. Runs again whenever the
    // client changes size.
    void fitColumns();

    bool handleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    HWND header() const noexcept { return header_.hwnd(); }

protected:
    void onAttached() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The list's column header, taken over when the list is attached. Its
    // bitmaps and caption font are made at its first paint and kept.
    class Header : public SubclassedControl, private BufferedPaint {
    public:
        Header() : BufferedPaint(0) {}

    protected:
        LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        void paintContent(HDC dc, const RECT& area, bool onScreen) override;
        void makeResources();

        bool resourcesMade_ = false;
        UniqueBitmap tile_;
        UniqueBitmap leftEdge_;
        UniqueBitmap rightEdge_;
        UniqueFont captionFont_;
    };

    LRESULT onCustomDraw(const NMLVCUSTOMDRAW& draw);
    void paintContent(HDC dc, const RECT& area, bool onScreen) override;
    void excludeFromPaint(HDC target) override;

    Header header_;
};
