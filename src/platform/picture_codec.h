#pragma once
// Decoding pictures by their content (a ".mire" file is a JPEG like any other).

#include <cstdint>
#include <memory>
#include <string_view>

#include "base/bitmap.h"

namespace platform {

struct PictureSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Reads a picture a band of rows at a time, top to bottom.
class BandReader {
public:
    virtual ~BandReader() = default;
    virtual PictureSize size() const = 0;
    // Decodes the next rows into `pixels` (0x00RRGGBB, `size().width` per row,
    // at most `maxRows` rows) and returns how many rows it wrote; 0 at the end.
    // Throws base::AppError when the data turns out to be damaged.
    virtual int32_t readRows(uint32_t* pixels, int32_t maxRows) = 0;
};

// A picture whose top rows are decoded, and the reader that goes on below
// them.
struct PartlyDecoded {
    // The whole picture's size; its rowsReady() rows are decoded.
    std::shared_ptr<base::Bitmap> bitmap;
    // Positioned at the first row not decoded; empty when the picture is whole.
    std::unique_ptr<BandReader> rest;
};

class PictureCodec {
public:
    virtual ~PictureCodec() = default;

    // Decodes the whole picture into one bitmap. Throws base::AppError:
    // 53 "File not found", 481 "Invalid picture" (not a picture, or damaged),
    // 7 "Out of memory" with a message naming the picture's size when its
    // bitmap would not fit in this process's memory.
    virtual base::Picture decode(std::string_view path) = 0;
    // Opens the picture for reading in bands; throws as decode does.
    virtual std::unique_ptr<BandReader> openBands(std::string_view path) = 0;
    // Makes the picture's bitmap and decodes its first `rows` rows (all of a
    // shorter picture) into it; throws as decode does for the file, the
    // bitmap and those rows.
    virtual PartlyDecoded decodeTop(std::string_view path, int32_t rows) = 0;
    // Gets ready the memory that the next picture opened, of `size`, will be
    // decoded into, its first `rows` rows' pages faulted in: the step to a
    // page read ahead then costs no fresh memory. Safe on any thread; a codec
    // that keeps no memory for pictures does nothing.
    virtual void prepareFor(PictureSize /*size*/, int32_t /*rows*/) noexcept {}
};

}  // namespace platform
