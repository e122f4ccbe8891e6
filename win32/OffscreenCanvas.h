#pragma once
// A double buffer: drawing goes into a memory bitmap at least the size of the
// target rectangle, copied to the target in one block transfer when the
// canvas is released. Coordinates on the canvas are the target's (the memory
// DC's origin is moved so that the rectangle's left-top maps to the bitmap's
// 0, 0) and drawing is clipped to the rectangle.
#include "win32/Unique.h"
#include <windows.h>

// A memory DC and bitmap kept from one canvas to the next, so that a window
// that paints often does not make and zero a bitmap for every paint. The
// bitmap grows to the largest rectangle asked for and is made again when the
// target's colour depth changes.
class CanvasSurface {
public:
    CanvasSurface() = default;
    ~CanvasSurface();
    CanvasSurface(const CanvasSurface&) = delete;
    CanvasSurface& operator=(const CanvasSurface&) = delete;

    // The memory DC with a bitmap of at least width x height selected,
    // compatible with `target`; null when none could be made.
    HDC prepare(HDC target, int width, int height);

private:
    void clear() noexcept;

    UniqueMemoryDC memory_;
    UniqueBitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
};

class OffscreenCanvas {
public:
    // A canvas with a memory DC and bitmap of its own.
    OffscreenCanvas(HDC target, const RECT& area) noexcept;
    // A canvas on a kept surface. Each canvas starts from the DC's default
    // state and leaves the surface's DC as it found it.
    OffscreenCanvas(HDC target, const RECT& area, CanvasSurface& surface) noexcept;
    ~OffscreenCanvas();
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    // The DC to draw on; the target itself when no memory DC could be made.
    HDC dc() const noexcept { return canvas_ != nullptr ? canvas_ : target_; }
    const RECT& area() const noexcept { return area_; }

    // Copies the canvas to the target now; the destructor then does nothing.
    void release() noexcept;

private:
    void begin() noexcept;

    HDC target_;
    RECT area_;
    HDC canvas_ = nullptr; // the memory DC drawn on, own or kept
    UniqueMemoryDC memory_;
    UniqueBitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    int savedState_ = 0;
};
