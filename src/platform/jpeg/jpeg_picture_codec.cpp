#include "platform/jpeg/jpeg_picture_codec.h"

#include <algorithm>
#include <new>

#include "base/background_prefault.h"
#include "platform/jpeg/jpeg_decoder.h"
#include "platform/jpeg/picture_errors.h"

namespace platform {
namespace {

// Pictures from this size on have their lower part's memory faulted in by a
// second thread while the upper part is decoded.
constexpr size_t prefaultMinimumBytes = size_t{16} << 20;
// The share of the rows the decoder fills while the other thread works. The
// decoder decodes as well as faulting, but faults on two cores at once are
// slower each: halves came out fastest (a 1280 x 20000 page under Wine: 0.3
// 255 ms, 0.4 232 ms, 0.5 228 ms, 0.6 249 ms; 330 ms with no second thread).
constexpr double decoderShare = 0.5;

void decodeRows(jpeg::JpegDecoder& decoder, base::Bitmap& bitmap, int32_t from, int32_t to) {
    for (int32_t y = from; y < to;) {
        const int32_t rows = decoder.readRows(bitmap.row(y), to - y);
        if (rows == 0) jpeg::raiseInvalidPicture();
        y += rows;
    }
}

}  // namespace

std::shared_ptr<base::Bitmap> JpegPictureCodec::newBitmap(PictureSize size) {
    // Checked in 64 bits before anything is allocated: in a 32-bit process the
    // byte count of a large picture does not fit in size_t.
    if (jpeg::bitmapBytes(size) > memoryLimit_) jpeg::raiseTooLarge(size);
    try {
        return std::make_shared<base::Bitmap>(size.width, size.height, *pixelStore_);
    } catch (const std::bad_alloc&) {
        jpeg::raiseTooLarge(size);
    }
}

base::Picture JpegPictureCodec::decode(std::string_view path) {
    jpeg::JpegDecoder decoder(path, memoryLimit_);
    const PictureSize size = decoder.size();
    const auto bitmap = newBitmap(size);
    int32_t split = 0;
    if (bitmap->byteSize() >= prefaultMinimumBytes) {
        split = static_cast<int32_t>(size.height * decoderShare);
        const size_t lowerBytes =
            base::Bitmap::pixelCount(size.width, size.height - split) * sizeof(uint32_t);
        const base::BackgroundPrefault lowerPart(bitmap->row(split), lowerBytes);
        decodeRows(decoder, *bitmap, 0, split);
    }
    decodeRows(decoder, *bitmap, split, size.height);
    return bitmap;
}

std::unique_ptr<BandReader> JpegPictureCodec::openBands(std::string_view path) {
    return std::make_unique<jpeg::JpegDecoder>(path, memoryLimit_);
}

PartlyDecoded JpegPictureCodec::decodeTop(std::string_view path, int32_t rows) {
    auto decoder = std::make_unique<jpeg::JpegDecoder>(path, memoryLimit_);
    const PictureSize size = decoder->size();
    PartlyDecoded top{newBitmap(size), nullptr};
    const int32_t decoded = std::clamp(rows, 0, size.height);
    top.bitmap->setRowsReady(0);
    decodeRows(*decoder, *top.bitmap, 0, decoded);
    top.bitmap->setRowsReady(decoded);
    if (decoded < size.height) top.rest = std::move(decoder);
    return top;
}

void JpegPictureCodec::prepareFor(PictureSize size, int32_t rows) noexcept {
    if (jpeg::bitmapBytes(size) > memoryLimit_) return;
    pixelStore_->prepare(base::Bitmap::pixelCount(size.width, size.height),
                         base::Bitmap::pixelCount(size.width, std::min(rows, size.height)));
}

}  // namespace platform
