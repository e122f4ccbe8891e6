#pragma once
// The main window's push buttons (Help, Print, Settings): an owner-drawn
// button whose face is a generated 256-colour image with a three-colour
// gradient palette, with 3-D edges in the system colours, its own caption
// font and colour, a hover look, a focus ring that stands out from the face
// and a tooltip. The caption's access key ("&Print") is underlined unless the
// system hides keyboard cues; Alt and the letter press the button. Clicks
// still reach the parent as BN_CLICKED. The focus ring's inset and width and
// the caption's margins are figures at 96 DPI drawn at the button's DPI; the
// edges are the system's.
#include "ui/framework/SubclassedControl.h"
#include "ui/main/rules/ButtonShade.h"
#include "units/DpiScale.h"
#include "win32/ControlTooltip.h"
#include "win32/Unique.h"

#include <optional>
#include <windows.h>

#include <string>

class StyledButton : public SubclassedControl {
public:
    StyledButton();
    ~StyledButton() override;

    // The first call makes the tooltip (whole button, lines broken at 300
    // pixels at 96 DPI); later calls change its text. Windows-1252 text.
    void SetTooltipText(const std::string& text);
    // The caption's font, kept by the caller while the button uses it (the
    // look's fonts, LookFont); null for the system's dialog font.
    void setFaceFont(HFONT font) noexcept { font_ = font; }
    COLORREF setTextColour(COLORREF colour); // returns the previous colour
    // The DPI the ring and margins are drawn at; 96 until told.
    void setDpi(int dpi) noexcept { scale_.dpi = dpi; }
    // Rebuilds the face images from the button's current size. Only style 3
    // (the gradient) is drawn; other styles leave the images empty.
    void setShade(int style, int granularity, int highlight, int coloring, COLORREF blendColour,
                  COLORREF colourLeft, COLORREF colourMiddle, COLORREF colourRight);

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool isHovering() const noexcept { return hovering_; }
    bool isMouseDown() const noexcept { return mouseDown_; }
    COLORREF textColour() const noexcept { return textColour_; }
    HWND tooltip() const noexcept { return tooltip_.hwnd(); }

protected:
    void onAttached() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Image {
        UniqueBitmap bitmap;
        int width = 0;
        int height = 0;
    };

    void draw(const DRAWITEMSTRUCT& item);
    void drawImage(HDC dc, const Image& image, int x, int y) const;
    void drawFocusRing(HDC dc, const RECT& rect) const;
    void drawCaption(HDC dc, RECT rect, COLORREF colour, UINT itemState) const;
    bool cursorOverButton() const;
    bool isPushed() const;
    void redraw() const;
    LRESULT onMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT onMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT onLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT onLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT onKillFocus(WPARAM wParam, LPARAM lParam);

    HFONT font_ = nullptr;
    COLORREF textColour_;
    ControlTooltip tooltip_;
    DpiScale scale_;
    bool hasBorder_ = true;
    bool isFlat_ = false;
    bool pressOffset_ = true;
    UINT textFormat_ = DT_VCENTER | DT_SINGLELINE | DT_CENTER;
    bool hovering_ = false;
    bool mouseDown_ = false;
    Image face_;
    Image faceHover_;
    Image facePressed_;
    Image faceDisabled_;
    ShadeFaces faces_; // what the images show; the focus ring's colour follows them
};
