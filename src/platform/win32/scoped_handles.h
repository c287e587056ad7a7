#pragma once
// Move-only owners of the Win32 handles the program opens, and scope guards for
// the DC state it changes. A moved-from owner holds nothing, so a handle is
// freed exactly once.

#include <windows.h>

#include <winspool.h>

#include <utility>

namespace platform::win32 {

// `Traits` gives the handle type, its "no handle" value and how to free it.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }

    // Where a call stores the handle it opens, for calls that store none when
    // they fail. What was held is freed first, so reusing an owner never leaks.
    Handle* out() noexcept {
        reset();
        return &handle_;
    }
    // Gives up ownership without freeing.
    Handle release() noexcept { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Handle handle_ = Traits::invalid();
};

struct HkeyTraits {
    using Handle = HKEY;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle key) noexcept { RegCloseKey(key); }
};

// A directory search of FindFirstFileW.
struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle search) noexcept { FindClose(search); }
};

// A file or other kernel object of CreateFileW and its kin.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};

// Process and thread handles: null when there is none.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};

// A printer of OpenPrinterW.
struct PrinterHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle printer) noexcept { ClosePrinter(printer); }
};

// Movable memory of GlobalAlloc, as the common dialogs exchange it.
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle memory) noexcept { GlobalFree(memory); }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle window) noexcept { DestroyWindow(window); }
};

// A DC of CreateDCW or CreateCompatibleDC, or one a dialog returns.
struct DcTraits {
    using Handle = HDC;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle dc) noexcept { DeleteDC(dc); }
};

template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle object) noexcept { DeleteObject(object); }
};

using ScopedHkey = UniqueHandle<HkeyTraits>;
using ScopedFindHandle = UniqueHandle<FindHandleTraits>;
using ScopedFileHandle = UniqueHandle<FileHandleTraits>;
using ScopedKernelHandle = UniqueHandle<KernelHandleTraits>;
using ScopedPrinterHandle = UniqueHandle<PrinterHandleTraits>;
using ScopedGlobal = UniqueHandle<GlobalMemoryTraits>;
using ScopedWindow = UniqueHandle<WindowTraits>;
using ScopedDc = UniqueHandle<DcTraits>;
using ScopedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using ScopedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using ScopedPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using ScopedBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;

// The guards below belong to one scope: neither copied nor moved.

// A window's DC from GetDC (the screen's for a null window), released to the
// same window.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { release(); }

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    void release() noexcept {
        if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : window_(window) { BeginPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { end(); }

    HDC get() const noexcept { return paint_.hdc; }
    const RECT& area() const noexcept { return paint_.rcPaint; }

private:
    void end() noexcept {
        if (window_) EndPaint(std::exchange(window_, nullptr), &paint_);
    }

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
    ~SelectedObject() { restore(); }

private:
    void restore() noexcept {
        const HGDIOBJ previous = std::exchange(previous_, nullptr);
        if (previous && previous != HGDI_ERROR) SelectObject(dc_, previous);
    }

    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC and RestoreDC: clipping and origins changed inside the scope are undone.
class SavedDc {
public:
    explicit SavedDc(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;
    ~SavedDc() { restore(); }

private:
    void restore() noexcept {
        if (saved_ != 0) RestoreDC(dc_, std::exchange(saved_, 0));
    }

    HDC dc_;
    int saved_;
};

}  // namespace platform::win32
