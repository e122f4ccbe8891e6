#include "win32/OffscreenCanvas.h"

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
    SetWindowOrgEx(memory_.get(), area.left, area.top, &oldOrigin_);
}

OffscreenCanvas::~OffscreenCanvas() {
    release();
}

void OffscreenCanvas::release() noexcept {
    if (!memory_) {
        return;
    }
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           memory_.get(), area_.left, area_.top, SRCCOPY);
    SetWindowOrgEx(memory_.get(), oldOrigin_.x, oldOrigin_.y, nullptr);
    SelectObject(memory_.get(), oldBitmap_);
    bitmap_.reset();
    memory_.reset();
}
