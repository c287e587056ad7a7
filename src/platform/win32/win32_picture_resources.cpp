#include "platform/win32/win32_picture_resources.h"

#include <memory>

#include "platform/win32/dib_format.h"
#include "platform/win32/scoped_handles.h"
#include "resource_ids.h"

namespace platform {

namespace {

using win32::ScopedBitmap;
using win32::WindowDc;

constexpr int largeScreenDpi = 192;

bool hasBitmap(HMODULE module, int id) {
    return FindResourceW(module, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_BITMAP)) !=
           nullptr;
}

// Reads any bitmap as 32-bit top-down rows; the system converts palettes and depths.
base::Picture toPicture(HBITMAP handle) {
    BITMAP description{};
    if (!GetObjectW(handle, sizeof description, &description) || description.bmWidth <= 0 ||
        description.bmHeight <= 0) {
        return nullptr;
    }
    auto bitmap = std::make_shared<base::Bitmap>(description.bmWidth, description.bmHeight);
    BITMAPINFO format = win32::topDown32(description.bmWidth, description.bmHeight);
    const WindowDc screen(nullptr);
    const int rows = GetDIBits(screen.get(), handle, 0, static_cast<UINT>(description.bmHeight),
                               bitmap->row(0), &format, DIB_RGB_COLORS);
    if (rows != description.bmHeight) return nullptr;
    // The fourth byte is not part of a picture's colour.
    uint32_t* pixels = bitmap->row(0);
    for (size_t i = 0, n = base::Bitmap::pixelCount(bitmap->width(), bitmap->height()); i < n;
         ++i) {
        pixels[i] &= 0x00FFFFFFu;
    }
    return bitmap;
}

}  // namespace

base::Picture Win32PictureResources::picture(PictureId id, int dpi) {
    int resource = static_cast<int>(id);
    if (dpi >= largeScreenDpi && hasBitmap(module_, resource + TS_PICTURE_200_OFFSET)) {
        resource += TS_PICTURE_200_OFFSET;
    }
    const ScopedBitmap handle(static_cast<HBITMAP>(
        LoadImageW(module_, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!handle) return nullptr;
    return toPicture(handle.get());
}

}  // namespace platform
