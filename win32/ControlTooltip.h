#pragma once
// A control's own tooltip: one tool that covers the control's client area,
// kept by the control from creation until the control is destroyed, and the
// relay that lets it see the mouse. The tooltip window is owned by this object
// and destroyed with it at the latest.
#include <string>
#include <windows.h>

class ControlTooltip {
public:
    ControlTooltip() = default;
    ~ControlTooltip() { destroy(); }
    ControlTooltip(const ControlTooltip&) = delete;
    ControlTooltip& operator=(const ControlTooltip&) = delete;

    // Makes the tooltip of `control` showing `text`, active at once. A
    // `maxWidth` above 0 breaks its lines at that many pixels; 0 leaves one
    // line. False when the tooltip could not be made.
    bool create(HWND control, const std::wstring& text, int maxWidth = 0);

    // Gives the tool a new text; nothing while there is no tooltip.
    void setText(const std::wstring& text);

    // Hands a message of the control to the tooltip (TTM_RELAYEVENT), with the
    // message's time and cursor position; the tooltip reacts to mouse messages
    // only. Nothing while there is no tooltip.
    void relay(UINT message, WPARAM wParam, LPARAM lParam) const;

    void destroy() noexcept;

    HWND hwnd() const noexcept { return tooltip_; }
    explicit operator bool() const noexcept { return tooltip_ != nullptr; }

private:
    HWND control_ = nullptr;
    HWND tooltip_ = nullptr;
    std::wstring text_; // the tooltip keeps a pointer to it
};
