#pragma once
// The refrigerant selector: a drop-down list combo box (owner-drawn, fixed
// item height, with strings) that paints its closed face from bitmaps and its
// list items in two colour pairs: the focus pair for the face while the box
// has the keyboard focus and for the item under the cursor, the normal pair
// otherwise. The box's behaviour (items, selection, notifications) is the
// platform's.
#include "ui/framework/SubclassedControl.h"

#include <windows.h>

class FlatComboBox : public SubclassedControl {
public:
    FlatComboBox() = default;

    // Bitmap resource IDs, 0 for none: the left edge (drawn 1:1), the
    // drop-down button (1:1 at the right edge), the button shown while the
    // list is open, and the middle (stretched in between).
    void SetBitmaps(int left, int button, int otherButton, int middle);
    void SetFocusColours(COLORREF fill, COLORREF text);
    void SetNormalColours(COLORREF fill, COLORREF text);

    int buttonBitmap() const noexcept { return button_; }
    int otherButtonBitmap() const noexcept { return otherButton_; }
    HWND listWindow() const noexcept { return list_; }
    int textOffset() const noexcept { return textOffset_; }

    bool handleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint();
    void paintList(int leftWidth);
    void drawItem(const DRAWITEMSTRUCT& item);
    void swapButtonBitmaps();

    int left_ = 0;
    int button_ = 0;
    int otherButton_ = 0;
    int middle_ = 0;
    COLORREF focusFill_ = RGB(0, 0, 0);
    COLORREF focusText_ = RGB(255, 255, 255);
    COLORREF normalFill_ = RGB(255, 255, 255);
    COLORREF normalText_ = RGB(0, 0, 0);
    HWND list_ = nullptr;
    int textOffset_ = 7;
};
