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
    // Closes the handle held and returns the address of the now empty one,
    // for a call that hands a new handle back through an out-parameter.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Invalid;
};

// The Close functions are the platform's own; each takes the handle as it is
// (a GDI object as HGDIOBJ).
using UniqueFont = Unique<HFONT, &DeleteObject>;
using UniqueBrush = Unique<HBRUSH, &DeleteObject>;
using UniquePen = Unique<HPEN, &DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, &DeleteObject>;
using UniqueMemoryDC = Unique<HDC, &DeleteDC>;
using UniqueRegistryKey = Unique<HKEY, &RegCloseKey>;
using UniqueModule = Unique<HMODULE, &FreeLibrary>;
using UniqueIcon = Unique<HICON, &DestroyIcon>;
using UniqueCursor = Unique<HCURSOR, &DestroyCursor>;
