#pragma once
// A double buffer: drawing goes into a memory bitmap of the target rectangle's
// size, copied to the target in one block transfer when the canvas is
// released. Coordinates on the canvas are the target's (the memory DC's
// origin is moved so that the rectangle's left-top maps to the bitmap's 0, 0).
#include "win32/Unique.h"
#include <windows.h>

class OffscreenCanvas {
public:
    OffscreenCanvas(HDC target, const RECT& area) noexcept;
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    // The DC to draw on; the target itself when no memory DC could be made.
    HDC dc() const noexcept { return memory_ ? memory_.get() : target_; }
    const RECT& area() const noexcept { return area_; }

    // Copies the canvas to the target now; the destructor then does nothing.
    void release() noexcept;

private:
    HDC target_;
    RECT area_;
    UniqueMemoryDC memory_;
    UniqueBitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    POINT oldOrigin_{};
};
