#pragma once
// The one conversion between a RECT and the rectangles the window decisions
// compute (any record of int left, top, right and bottom with the right and
// bottom edges exclusive, as in a RECT), both ways.
#include <windows.h>

template <typename Rect> RECT toRect(const Rect& rect) noexcept {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

template <typename Rect> Rect fromRect(const RECT& rect) noexcept {
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}
