#include "win32/OffscreenCanvas.h"

CanvasSurface::~CanvasSurface() {
    clear();
}

void CanvasSurface::clear() noexcept {
    if (memory_ && originalBitmap_ != nullptr) {
        SelectObject(memory_.get(), originalBitmap_);
    }
    originalBitmap_ = nullptr;
    bitmap_.reset();
    memory_.reset();
    width_ = height_ = bitsPerPixel_ = 0;
}

HDC CanvasSurface::prepare(HDC target, int width, int height) {
    const int bitsPerPixel = GetDeviceCaps(target, BITSPIXEL) * GetDeviceCaps(target, PLANES);
    if (memory_ && width <= width_ && height <= height_ && bitsPerPixel == bitsPerPixel_) {
        return memory_.get();
    }
    const int keptWidth = width > width_ ? width : width_;
    const int keptHeight = height > height_ ? height : height_;
    clear();
    memory_.reset(CreateCompatibleDC(target));
    bitmap_.reset(CreateCompatibleBitmap(target, keptWidth, keptHeight));
    if (!memory_ || !bitmap_) {
        clear();
        return nullptr;
    }
    originalBitmap_ = SelectObject(memory_.get(), bitmap_.get());
    width_ = keptWidth;
    height_ = keptHeight;
    bitsPerPixel_ = bitsPerPixel;
    return memory_.get();
}

OffscreenCanvas::OffscreenCanvas(HDC target, const RECT& area) noexcept
    : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    memory_.reset(CreateCompatibleDC(target));
    bitmap_.reset(CreateCompatibleBitmap(target, width, height));
    if (!memory_ || !bitmap_) {
        memory_.reset();
        bitmap_.reset();
        return;
    }
    oldBitmap_ = SelectObject(memory_.get(), bitmap_.get());
    canvas_ = memory_.get();
    begin();
}

OffscreenCanvas::OffscreenCanvas(HDC target, const RECT& area, CanvasSurface& surface) noexcept
    : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    canvas_ = surface.prepare(target, width, height);
    if (canvas_ != nullptr) {
        begin();
    }
}

void OffscreenCanvas::begin() noexcept {
    savedState_ = SaveDC(canvas_);
    SetWindowOrgEx(canvas_, area_.left, area_.top, nullptr);
    IntersectClipRect(canvas_, area_.left, area_.top, area_.right, area_.bottom);
}

OffscreenCanvas::~OffscreenCanvas() {
    release();
}

void OffscreenCanvas::release() noexcept {
    if (canvas_ == nullptr) {
        return;
    }
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           canvas_, area_.left, area_.top, SRCCOPY);
    if (savedState_ != 0) {
        RestoreDC(canvas_, savedState_);
    }
    canvas_ = nullptr;
    if (memory_) {
        SelectObject(memory_.get(), oldBitmap_);
        bitmap_.reset();
        memory_.reset();
    }
}
