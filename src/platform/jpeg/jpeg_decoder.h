#pragma once
// One JPEG file being decoded with libjpeg, top to bottom, into 0x00RRGGBB rows.

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/picture_codec.h"

namespace platform::jpeg {

struct Session;  // the open file and libjpeg's state

// Owns the open file and everything libjpeg allocated, until it is destroyed;
// it depends on nothing else. Not copyable or movable: libjpeg keeps pointers
// into its state. Once a call has thrown, every later readRows throws again.
class JpegDecoder final : public BandReader {
public:
    // Opens the file and reads the picture's header only: no pixel is decoded
    // and nothing the size of the picture is allocated. `memoryLimit` bounds
    // libjpeg's own working memory (a progressive picture keeps all of its
    // coefficients). Throws base::AppError: 53, 70, 75 as openPictureFile;
    // 481 "Invalid picture" when the file is not a JPEG or its header is damaged.
    JpegDecoder(std::string_view utf8Path, uint64_t memoryLimit);
    ~JpegDecoder() override;
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    PictureSize size() const override;

    // Decodes the next rows, up to `maxRows`, into `pixels` (`size().width`
    // pixels a row, room for `maxRows` rows) and returns how many it wrote; it
    // stops short only at the end, and returns 0 there. The first call starts
    // decoding (a progressive picture is read whole then); the call that
    // writes the last row also reads the file to its end, so a file that is
    // cut short or damaged anywhere throws 481 before the last rows are
    // handed over as good. Throws 7 when libjpeg's memory runs out.
    int32_t readRows(uint32_t* pixels, int32_t maxRows) override;

private:
    void start();
    int32_t readChunk(uint32_t* pixels, int32_t rows);
    void finish();
    [[noreturn]] void raiseFailure();

    std::unique_ptr<Session> session_;
};

}  // namespace platform::jpeg
