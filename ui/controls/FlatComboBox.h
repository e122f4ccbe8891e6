#pragma once
// The refrigerant selector: a drop-down list combo box (owner-drawn, fixed
// item height, with strings) that paints its closed face from bitmaps and its
// list items in two colour pairs: the focus pair for the face while the box
// has the keyboard focus and for the item under the cursor, the normal pair
// otherwise. The box's behaviour (items, selection, notifications) is the
// platform's. The face paints through an off-screen canvas (BufferedPaint);
// the bitmaps are loaded when they are set and kept for the box's lifetime.
// Every text of the box is in the look's 14-pixel font (LookFont). The font,
// the margins and the lines are figures at 96 DPI drawn at the box's DPI; the
// pieces are drawn at the size its window gives, stretched smoothly from a
// set drawn for another DPI.
#include "ui/framework/SubclassedControl.h"
#include "units/DpiScale.h"
#include "win32/BufferedPaint.h"
#include "win32/Unique.h"

#include <optional>
#include <windows.h>

// The size a flat combo box draws its pieces at: the left edge's and the
// buttons' widths and the height of every piece; 0 for a bitmap's own size.
struct ComboPieceSizes {
    int leftWidth = 0;
    int buttonWidth = 0;
    int height = 0;
};

class FlatComboBox : public SubclassedControl, private BufferedPaint {
public:
    FlatComboBox() = default;

    // Bitmap resource IDs, 0 for none: the left edge (drawn at its width),
    // the drop-down button (at its width at the right edge), the button shown
    // while the list is open, and the middle (stretched in between).
    void SetBitmaps(int left, int button, int otherButton, int middle, ComboPieceSizes drawn = {});
    // The DPI the text, margins and lines are drawn at; 96 until told.
    void setDpi(int dpi);
    // The height of the closed face and of a row of the open list, in pixels.
    void setItemHeights(int faceHeight, int itemHeight);
    void SetFocusColours(COLORREF fill, COLORREF text);
    void SetNormalColours(COLORREF fill, COLORREF text);

    int buttonBitmap() const noexcept { return button_.id; }
    int otherButtonBitmap() const noexcept { return otherButton_.id; }
    HWND listWindow() const noexcept { return list_; }
    int textOffset() const noexcept { return textOffset_; }

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paintContent(HDC dc, const RECT& area, bool onScreen) override;
    void paintList(int leftWidth);
    void drawItem(const DRAWITEMSTRUCT& item);
    void swapButtonBitmaps();

    // A bitmap resource and the bitmap loaded from it.
    struct Piece {
        int id = 0;
        UniqueBitmap bitmap;
    };
    Piece left_;
    Piece button_;
    Piece otherButton_;
    Piece middle_;
    ComboPieceSizes drawn_;
    DpiScale scale_;
    COLORREF focusFill_ = RGB(0, 0, 0);
    COLORREF focusText_ = RGB(255, 255, 255);
    COLORREF normalFill_ = RGB(255, 255, 255);
    COLORREF normalText_ = RGB(0, 0, 0);
    HWND list_ = nullptr;
    // The text offset at 96 DPI before the list has set it: the left edge's
    // width and the margin after it.
    static constexpr int TEXT_OFFSET = 7;
    int textOffset_ = TEXT_OFFSET;
};
