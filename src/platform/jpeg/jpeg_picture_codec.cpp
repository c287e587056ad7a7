#include "platform/jpeg/jpeg_picture_codec.h"

#include <new>

#include "platform/jpeg/jpeg_decoder.h"
#include "platform/jpeg/picture_errors.h"

namespace platform {
namespace {

std::shared_ptr<base::Bitmap> allocateBitmap(PictureSize size) {
    try {
        return std::make_shared<base::Bitmap>(size.width, size.height);
    } catch (const std::bad_alloc&) {
        jpeg::raiseTooLarge(size);
    }
}

}  // namespace

base::Picture JpegPictureCodec::decode(std::string_view path) {
    jpeg::JpegDecoder decoder(path, memoryLimit_);
    const PictureSize size = decoder.size();
    // Checked in 64 bits before anything is allocated: in a 32-bit process the
    // byte count of a large picture does not fit in size_t.
    if (jpeg::bitmapBytes(size) > memoryLimit_) jpeg::raiseTooLarge(size);
    const auto bitmap = allocateBitmap(size);
    for (int32_t y = 0; y < size.height;) {
        const int32_t rows = decoder.readRows(bitmap->row(y), size.height - y);
        if (rows == 0) jpeg::raiseInvalidPicture();
        y += rows;
    }
    return bitmap;
}

std::unique_ptr<BandReader> JpegPictureCodec::openBands(std::string_view path) {
    return std::make_unique<jpeg::JpegDecoder>(path, memoryLimit_);
}

}  // namespace platform
