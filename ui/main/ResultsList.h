#pragma once
// The main window's list of candidate tubes: a report-view list control whose
// selected row is drawn black on yellow (the selection itself is left as it
// was after every paint), which paints through an off-screen canvas without
// erasing, and whose column header is drawn from bitmaps with white, centred
// captions.
#include "ui/framework/SubclassedControl.h"

#include <windows.h>

#include <commctrl.h>

constexpr COLORREF RESULTS_SELECTED_TEXT = RGB(0, 0, 0);
constexpr COLORREF RESULTS_SELECTED_BACK = RGB(252, 217, 0);
constexpr COLORREF RESULTS_ROW_BACK = RGB(242, 246, 251);
constexpr COLORREF RESULTS_ROW_TEXT = RGB(0, 0, 0);

class ResultsList : public SubclassedControl {
public:
    ResultsList() = default;

    // Flat scroll bars with both arrows of both bars disabled.
    void setUpScrollBars();

    bool handleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    HWND header() const noexcept { return header_.hwnd(); }

protected:
    void onAttached() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The list's column header, taken over when the list is attached.
    class Header : public SubclassedControl {
    protected:
        LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        void paint();
    };

    LRESULT onCustomDraw(const NMLVCUSTOMDRAW& draw);
    void paint();

    bool lastItemWasSelected_ = false;
    Header header_;
};
