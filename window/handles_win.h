// Typed owners for Win32 handles: each handle type is released by its own deleter.
#pragma once

#include <windows.h>

#include <utility>

namespace zevadar::window {

template <typename Handle, typename Deleter>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) Deleter{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using UniqueFont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniquePen = UniqueHandle<HPEN, GdiObjectDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueModule = UniqueHandle<HMODULE, ModuleDeleter>;

// Selects an object into a DC for the lifetime of this guard and puts the old one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window DC obtained with GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { ReleaseDC(hwnd_, dc_); }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace zevadar::window
