#pragma once
// The picture codec on libjpeg (libjpeg-turbo): JPEG files, known by their
// content whatever their name (".mire" and ".mre" files are JPEGs).

#include <cstdint>
#include <memory>
#include <string_view>

#include "base/pixel_store.h"
#include "platform/picture_codec.h"

namespace platform {

class JpegPictureCodec final : public PictureCodec {
public:
    // The most one decoded bitmap may take. A 32-bit process has 2 to 4 GB of
    // address space, in pieces; a 64-bit one is bounded by the machine.
    static constexpr uint64_t kDefaultMemoryLimit =
        sizeof(void*) == 4 ? uint64_t{1} << 30 : uint64_t{8} << 30;

    // `memoryLimit`: a picture whose bitmap would take more bytes is refused
    // (error 7) before any of it is decoded; it also bounds libjpeg's own
    // working memory.
    explicit JpegPictureCodec(uint64_t memoryLimit = kDefaultMemoryLimit) noexcept
        : memoryLimit_(memoryLimit) {}

    // Decodes the whole file into a new bitmap that the caller owns (shared
    // from then on); the codec keeps only the memory of large pictures let go
    // (base::PixelStore), for the next. Throws base::AppError: 53, 70, 75
    // for the file; 481 "Invalid picture" for anything that is not a JPEG and
    // for a JPEG that is damaged or cut short (never shown half decoded); 7
    // naming the picture's size when its bitmap is over the limit or cannot be
    // allocated.
    base::Picture decode(std::string_view path) override;

    // A reader that owns the open file and libjpeg's state until it is
    // destroyed, independent of the codec. Opening reads only the header;
    // errors in the data come from readRows. No whole bitmap is made, so the
    // bitmap limit does not apply; libjpeg's working memory stays within it.
    std::unique_ptr<BandReader> openBands(std::string_view path) override;

    // A bitmap as decode makes it, with the first rows decoded; the reader
    // returned goes on where they end. A picture whose first rows are all of
    // it is read to its end, so a damaged one throws here.
    PartlyDecoded decodeTop(std::string_view path, int32_t rows) override;

    // Readies the store's spare (base::PixelStore::prepare) for a picture
    // within the limit.
    void prepareFor(PictureSize size, int32_t rows) noexcept override;

private:
    std::shared_ptr<base::Bitmap> newBitmap(PictureSize size);

    uint64_t memoryLimit_;
    std::shared_ptr<base::PixelStore> pixelStore_ = std::make_shared<base::PixelStore>();
};

}  // namespace platform
