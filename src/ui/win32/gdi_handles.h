#pragma once
// Owners of the window and GDI handles the toolkit's Win32 backend makes.
// Handles are move-only (a moved-from owner holds nothing, so nothing is freed
// twice); the scope guards for DCs and selections are pinned where they are made.

#include <windows.h>

#include <utility>

#include "platform/win32/scoped_handles.h"

namespace ui::win32 {

using platform::win32::UniqueHandle;

struct WindowTraits {
    using Handle = HWND;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle window) noexcept { DestroyWindow(window); }
};

template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle object) noexcept { DeleteObject(object); }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle dc) noexcept { DeleteDC(dc); }
};

using ScopedWindow = UniqueHandle<WindowTraits>;
using ScopedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using ScopedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using ScopedPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using ScopedBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
// A DC of CreateCompatibleDC.
using ScopedMemoryDc = UniqueHandle<MemoryDcTraits>;

// A window's DC from GetDC, released to the same window.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDc(WindowDc&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&&) = delete;
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : window_(window) { BeginPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }

    HDC get() const noexcept { return paint_.hdc; }
    const RECT& area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// An object selected into a DC, the previous one put back at the end of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC and RestoreDC: clipping and origins changed inside the scope are undone.
class SavedDc {
public:
    explicit SavedDc(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;
    ~SavedDc() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

}  // namespace ui::win32
