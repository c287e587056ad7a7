// The window's pictures from a module's BITMAP resources (the test program
// carries some of the program's own, see ui_test_pictures.rc).
#include "platform/win32/win32_picture_resources.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/scoped_handles.h"

namespace platform {
namespace {

struct Size {
    int32_t width;
    int32_t height;
    bool operator==(const Size&) const = default;
};

Size sizeOf(const base::Picture& picture) {
    return picture ? Size{picture->width(), picture->height()} : Size{0, 0};
}

TEST(Win32PictureResources, PicturesComeAtTheScreensScaleWhereACopyIsDrawnForIt) {
    Win32PictureResources pictures(GetModuleHandleW(nullptr));

    EXPECT_EQ(sizeOf(pictures.picture(PictureId::titleBand, 96)), (Size{6, 29}));
    EXPECT_EQ(sizeOf(pictures.picture(PictureId::goNormal, 144)), (Size{51, 23}));
    EXPECT_EQ(sizeOf(pictures.picture(PictureId::titleBand, 192)), (Size{12, 58}));
    EXPECT_EQ(sizeOf(pictures.picture(PictureId::goNormal, 240)), (Size{102, 46}));
    // No 200% copy of this one here: the 100% picture serves.
    const Size startup = sizeOf(pictures.picture(PictureId::startup, 96));
    EXPECT_GT(startup.width, 0);
    EXPECT_EQ(sizeOf(pictures.picture(PictureId::startup, 192)), startup);
    // Not among the module's resources at all.
    EXPECT_EQ(pictures.picture(PictureId::previous, 96), nullptr);
}

TEST(Win32PictureResources, PixelsAreColoursOnlyInTopDownRows) {
    Win32PictureResources pictures(GetModuleHandleW(nullptr));
    const base::Picture band = pictures.picture(PictureId::titleBand, 96);
    ASSERT_NE(band, nullptr);
    const uint32_t* first = band->data();
    const uint32_t* end = first + base::Bitmap::pixelCount(band->width(), band->height());
    EXPECT_TRUE(std::all_of(first, end, [](uint32_t pixel) { return (pixel >> 24) == 0; }));

    // Compared with the system's own drawing of the same resource, row by row.
    const win32::ScopedBitmap handle(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(static_cast<int>(PictureId::titleBand)),
        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(handle);
    const win32::WindowDc screen(nullptr);
    const win32::ScopedDc memory(CreateCompatibleDC(screen.get()));
    const win32::SelectedObject selected(memory.get(), handle.get());
    for (int32_t y : {0, band->height() / 2, band->height() - 1}) {
        const COLORREF expected = GetPixel(memory.get(), 0, y);  // 0x00BBGGRR
        const uint32_t pixel = band->row(y)[0];                  // 0x00RRGGBB
        EXPECT_EQ(pixel,
                  ((expected & 0xFF) << 16) | (expected & 0xFF00) | ((expected >> 16) & 0xFF))
            << "row " << y;
    }
}

}  // namespace
}  // namespace platform
