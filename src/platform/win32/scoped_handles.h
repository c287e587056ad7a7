#pragma once
// Move-only owners of the Win32 handles the platform layer opens. A moved-from
// owner holds nothing, so a handle is closed exactly once.

#include <windows.h>

#include <utility>

namespace platform::win32 {

// `Traits` gives the handle type, its "no handle" value and how to close it.
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

    // Gives up ownership without closing.
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

// A device context of CreateDCW (or returned by a dialog): DeleteDC.
struct CreatedDcTraits {
    using Handle = HDC;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle dc) noexcept { DeleteDC(dc); }
};

struct FontTraits {
    using Handle = HFONT;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle font) noexcept { DeleteObject(font); }
};

// Movable memory of GlobalAlloc, as the common dialogs exchange it.
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle memory) noexcept { GlobalFree(memory); }
};

using ScopedHkey = UniqueHandle<HkeyTraits>;
using ScopedCreatedDc = UniqueHandle<CreatedDcTraits>;
using ScopedFont = UniqueHandle<FontTraits>;
using ScopedGlobal = UniqueHandle<GlobalMemoryTraits>;
using ScopedKernelHandle = UniqueHandle<KernelHandleTraits>;
using ScopedFindHandle = UniqueHandle<FindHandleTraits>;
using ScopedFileHandle = UniqueHandle<FileHandleTraits>;

}  // namespace platform::win32
