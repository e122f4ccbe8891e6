#pragma once
// One move-only owner for every kind of Windows handle: the handle is closed
// by its Close function when the owner goes out of scope or is reset.
#include <utility>
#include <windows.h>

template <typename Handle, auto Close, Handle Invalid = Handle{}> class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) noexcept : handle_(handle) {}
    ~Unique() { reset(); }

    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Invalid; }

    Handle release() noexcept {
        Handle handle = handle_;
        handle_ = Invalid;
        return handle;
    }
    void reset(Handle handle = Invalid) noexcept {
        if (handle_ != Invalid) {
            Close(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Invalid;
};

namespace handle_close {
inline void gdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void memoryDC(HDC dc) {
    DeleteDC(dc);
}
inline void registryKey(HKEY key) {
    RegCloseKey(key);
}
inline void module(HMODULE module) {
    FreeLibrary(module);
}
inline void icon(HICON icon) {
    DestroyIcon(icon);
}
inline void cursor(HCURSOR cursor) {
    DestroyCursor(cursor);
}
inline void window(HWND window) {
    DestroyWindow(window);
}
} // namespace handle_close

using UniqueFont = Unique<HFONT, handle_close::gdiObject>;
using UniqueBrush = Unique<HBRUSH, handle_close::gdiObject>;
using UniquePen = Unique<HPEN, handle_close::gdiObject>;
using UniqueBitmap = Unique<HBITMAP, handle_close::gdiObject>;
using UniqueRegion = Unique<HRGN, handle_close::gdiObject>;
using UniqueMemoryDC = Unique<HDC, handle_close::memoryDC>;
using UniqueRegistryKey = Unique<HKEY, handle_close::registryKey>;
using UniqueModule = Unique<HMODULE, handle_close::module>;
using UniqueIcon = Unique<HICON, handle_close::icon>;
using UniqueCursor = Unique<HCURSOR, handle_close::cursor>;
using UniqueWindow = Unique<HWND, handle_close::window>;
