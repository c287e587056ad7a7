#include "platform/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>
#include <limits>
#include <string>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/text_conv.h"

namespace platform {
namespace {

// The clipboard opened for one hand-over; another program may hold it for a
// moment, so the opening is tried a few times.
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner) {
        for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
            if (attempt > 0) Sleep(10);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~OpenClipboardGuard() {
        if (open_) CloseClipboard();
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    bool open() const noexcept { return open_; }

private:
    bool open_ = false;
};

// Moveable memory of `bytes`, filled by `fill`; empty when refused.
template <typename Fill>
win32::ScopedGlobal globalMemory(size_t bytes, Fill fill) {
    win32::ScopedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return memory;
    void* data = GlobalLock(memory.get());
    if (data == nullptr) return {};
    fill(static_cast<unsigned char*>(data));
    GlobalUnlock(memory.get());
    return memory;
}

// Hands `memory` over as `format`: once the clipboard has it, it is the
// clipboard's.
bool put(HWND owner, UINT format, win32::ScopedGlobal memory) {
    if (!memory) return false;
    const OpenClipboardGuard clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard()) return false;
    if (SetClipboardData(format, memory.get()) == nullptr) return false;
    memory.release();
    return true;
}

}  // namespace

bool Win32Clipboard::putText(uintptr_t owner, std::string_view text) {
    const std::wstring wide = win32::utf8ToWide(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    return put(
        reinterpret_cast<HWND>(owner), CF_UNICODETEXT,
        globalMemory(bytes, [&](unsigned char* data) { std::memcpy(data, wide.c_str(), bytes); }));
}

bool Win32Clipboard::putPicture(uintptr_t owner, const base::Bitmap& picture) {
    const int32_t width = picture.width();
    const int32_t height = picture.rowsReady();
    if (width <= 0 || height <= 0) return false;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const size_t pixelBytes = stride * static_cast<size_t>(height);
    if (pixelBytes > std::numeric_limits<DWORD>::max() - sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(pixelBytes);
    return put(reinterpret_cast<HWND>(owner), CF_DIB,
               globalMemory(sizeof header + pixelBytes, [&](unsigned char* data) {
                   std::memcpy(data, &header, sizeof header);
                   unsigned char* rows = data + sizeof header;
                   for (int32_t y = 0; y < height; ++y) {
                       const uint32_t* source = picture.row(y);
                       unsigned char* target = rows + stride * static_cast<size_t>(height - 1 - y);
                       unsigned char* pixel = target;
                       for (int32_t x = 0; x < width; ++x, pixel += 3) {
                           pixel[0] = static_cast<unsigned char>(source[x]);
                           pixel[1] = static_cast<unsigned char>(source[x] >> 8);
                           pixel[2] = static_cast<unsigned char>(source[x] >> 16);
                       }
                       std::memset(target + 3 * static_cast<size_t>(width), 0,
                                   stride - 3 * static_cast<size_t>(width));
                   }
               }));
}

}  // namespace platform
