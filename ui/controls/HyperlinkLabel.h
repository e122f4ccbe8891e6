#pragma once
// A static text control turned into a web link: link colours (unvisited,
// visited, hover), underlined while the pointer is over it, a pointing-hand
// cursor, a tooltip with the target, and a click that opens the target in
// the user's browser or explains in a message box why it could not. It is
// also a tab stop: with the focus it shows a focus rectangle round its text,
// and Enter or Space opens it as a click does.
//
// Its text is in its window's font, with an underlined copy for the hover;
// a font given to it later (WM_SETFONT from its window or the dialog manager,
// as after a change of DPI) replaces both, and the label fits its text again.
#include "ui/controls/HyperlinkLabelOpener.h"
#include "ui/framework/SubclassedControl.h"
#include "ui/look/Palette.h"
#include "win32/ControlTooltip.h"
#include "win32/Unique.h"

#include <optional>
#include <windows.h>

#include <string>


class HyperlinkLabel : public SubclassedControl {
public:
    HyperlinkLabel();
    ~HyperlinkLabel() override;

    // Windows-1252 target; also the tooltip text. The caption is not changed.
    void SetTarget(const std::string& target);
    const std::string& target() const noexcept { return target_; }

    // A hover colour of -1 (0xFFFFFFFF) means the system's highlight colour.
    void SetColours(COLORREF background, COLORREF unvisited, COLORREF visited, COLORREF hover);
    COLORREF unvisitedColour() const noexcept { return unvisited_; }
    COLORREF visitedColour() const noexcept { return visited_; }
    COLORREF hoverColour() const noexcept { return hover_; }
    COLORREF backgroundColour() const noexcept { return background_; }

    bool isHovering() const noexcept { return hovering_; }
    bool isVisited() const noexcept { return visitedOnce_; }
    HCURSOR linkCursor() const noexcept { return cursor_.get(); }
    HWND tooltip() const noexcept { return tooltip_.hwnd(); }
    // The text colour the label is drawn in now.
    COLORREF currentTextColour() const noexcept;

    // For tests: open links through another opener (null: the platform's).
    void setOpener(HyperlinkOpener* opener) noexcept { opener_ = opener; }

    std::optional<LRESULT> handleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The hover timer's ID.
    static constexpr UINT_PTR HOVER_TIMER_ID = 100;

protected:
    void onAttached() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void makeFonts(HFONT from);
    void resizeToText();
    void loadLinkCursor();
    std::wstring caption() const;
    void open();
    LRESULT onMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT onTimer(WPARAM wParam, LPARAM lParam);
    LRESULT onEraseBackground(HDC dc);
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT onKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT onFocusChange(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onPaint(WPARAM wParam, LPARAM lParam);
    LRESULT onSetFont(WPARAM wParam, LPARAM lParam);
    void onDestroy();

    COLORREF unvisited_ = LINK_UNVISITED;
    COLORREF visited_ = LINK_VISITED;
    COLORREF hover_ = LINK_HOVER;
    COLORREF background_;
    bool hovering_ = false;
    bool visitedOnce_ = false;
    bool autoSize_ = true;
    std::string target_;
    UniqueFont normalFont_;
    UniqueFont underlinedFont_;
    UniqueCursor cursor_;
    ControlTooltip tooltip_;
    HyperlinkOpener* opener_ = nullptr;
};
