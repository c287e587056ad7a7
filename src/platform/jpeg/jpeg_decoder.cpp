#include "platform/jpeg/jpeg_decoder.h"

#include <algorithm>
#include <array>
#include <climits>
#include <csetjmp>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it (<cstdio>).
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "platform/jpeg/picture_errors.h"
#include "platform/jpeg/picture_file.h"
#include "platform/jpeg/pixel_rows.h"

namespace platform::jpeg {

// On the heap, so its address (which libjpeg keeps) never changes.
struct Session {
    Session() {
        cinfo.err = jpeg_std_error(&errors);
        cinfo.client_data = this;
    }
    // Safe in any state: libjpeg's destroy does nothing to a struct it never made.
    ~Session() { jpeg_destroy_decompress(&cinfo); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    Session(Session&&) = delete;
    Session& operator=(Session&&) = delete;

    FilePtr file;  // closed after the destructor's body has destroyed libjpeg's state
    jpeg_error_mgr errors{};
    jpeg_decompress_struct cinfo{};
    std::jmp_buf jump{};
    int failure = 0;  // libjpeg's message code of the error that stopped it
    bool failed = false;
    bool started = false;
    bool finished = false;
};

namespace {

// Rows decoded per libjpeg call: enough for a whole row of 8 × 16 blocks, few
// enough that the rows are still in the cache when their pixels are finished.
constexpr int32_t kChunkRows = 16;

Session& sessionOf(j_common_ptr cinfo) { return *static_cast<Session*>(cinfo->client_data); }

// libjpeg is C: its errors leave it by longjmp back to `guarded`, never by a
// C++ exception through its frames.
[[noreturn]] void onError(j_common_ptr cinfo) {
    Session& session = sessionOf(cinfo);
    session.failure = cinfo->err->msg_code;
    std::longjmp(session.jump, 1);
}

// Warnings that leave the picture whole; every other one means pixels lost or
// made up (data cut short, a marker inside the data, a bad code), and a
// half-grey picture is not shown as good.
bool isHarmless(int warning) {
    return warning == JWRN_EXTRANEOUS_DATA || warning == JWRN_ADOBE_XFORM ||
           warning == JWRN_JFIF_MAJOR || warning == JWRN_BOGUS_ICC;
}

void onMessage(j_common_ptr cinfo, int level) {
    const bool warning = level < 0;
    if (warning && !isHarmless(cinfo->err->msg_code)) onError(cinfo);
}

void onOutput(j_common_ptr /*cinfo*/) {}  // the program writes no diagnostics

// Runs one libjpeg step and says whether it finished. When libjpeg fails, the
// longjmp lands here and skips only libjpeg's frames and the step's, so a step
// must create no object with a destructor. GCC never inlines a function that
// calls setjmp: the jump always lands in this very frame.
template <typename Step>
bool guarded(Session& session, const Step& step) noexcept {
    if (setjmp(session.jump) != 0) {
        session.failed = true;
        return false;
    }
    step();
    return true;
}

// Checked before libjpeg sees the file, so anything else is refused cheaply.
bool startsWithSoi(std::FILE* file) {
    std::array<unsigned char, 3> head{};
    const bool soi = std::fread(head.data(), 1, head.size(), file) == head.size() &&
                     head == std::array<unsigned char, 3>{0xFF, 0xD8, 0xFF};
    std::rewind(file);
    return soi;
}

bool isCmyk(const jpeg_decompress_struct& cinfo) {
    return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

}  // namespace

JpegDecoder::JpegDecoder(std::string_view utf8Path, uint64_t memoryLimit)
    : session_(std::make_unique<Session>()) {
    Session& s = *session_;
    s.file = openPictureFile(utf8Path);
    if (!startsWithSoi(s.file.get())) raiseInvalidPicture();
    s.errors.error_exit = onError;
    s.errors.emit_message = onMessage;
    s.errors.output_message = onOutput;

    jpeg_decompress_struct& cinfo = s.cinfo;
    if (!guarded(s, [&] { jpeg_create_decompress(&cinfo); })) raiseFailure();
    cinfo.mem->max_memory_to_use = static_cast<long>(std::min<uint64_t>(memoryLimit, LONG_MAX));
    if (!guarded(s, [&] {
            jpeg_stdio_src(&cinfo, s.file.get());
            jpeg_read_header(&cinfo, TRUE);
        })) {
        raiseFailure();
    }
    // BGRX is the bitmap's own layout, so rows are decoded straight into it.
    // libjpeg does not turn CMYK into RGB; pixel_rows does.
    cinfo.out_color_space = isCmyk(cinfo) ? JCS_CMYK : JCS_EXT_BGRX;
}

JpegDecoder::~JpegDecoder() = default;

PictureSize JpegDecoder::size() const {
    // Both sides are 1 .. 65500: libjpeg refuses any other header.
    return {static_cast<int32_t>(session_->cinfo.image_width),
            static_cast<int32_t>(session_->cinfo.image_height)};
}

int32_t JpegDecoder::readRows(uint32_t* pixels, int32_t maxRows) {
    Session& s = *session_;
    if (s.failed) raiseFailure();
    if (!s.started) start();
    const auto width = static_cast<size_t>(s.cinfo.output_width);
    int32_t done = 0;
    while (done < maxRows && s.cinfo.output_scanline < s.cinfo.output_height) {
        done += readChunk(pixels + static_cast<size_t>(done) * width,
                          std::min(kChunkRows, maxRows - done));
    }
    if (s.cinfo.output_scanline == s.cinfo.output_height && !s.finished) finish();
    return done;
}

void JpegDecoder::start() {
    Session& s = *session_;
    if (!guarded(s, [&] { jpeg_start_decompress(&s.cinfo); })) raiseFailure();
    s.started = true;
}

int32_t JpegDecoder::readChunk(uint32_t* pixels, int32_t rows) {
    Session& s = *session_;
    const auto width = static_cast<size_t>(s.cinfo.output_width);
    const auto wanted = static_cast<JDIMENSION>(std::min<JDIMENSION>(
        static_cast<JDIMENSION>(rows), s.cinfo.output_height - s.cinfo.output_scanline));
    std::array<JSAMPROW, kChunkRows> rowPointers{};
    for (JDIMENSION i = 0; i < wanted; ++i) {
        rowPointers[i] = reinterpret_cast<JSAMPROW>(pixels + i * width);
    }
    JDIMENSION got = 0;
    const bool read = guarded(s, [&] {
        // Returns fewer rows than asked at times, and none only when it cannot go on.
        for (JDIMENSION step = 1; got < wanted && step != 0; got += step) {
            step = jpeg_read_scanlines(&s.cinfo, rowPointers.data() + got, wanted - got);
        }
    });
    if (!read) raiseFailure();
    if (got != wanted) {
        s.failed = true;  // failure stays 0: invalid
        raiseInvalidPicture();
    }

    const size_t count = static_cast<size_t>(wanted) * width;
    if (isCmyk(s.cinfo)) {
        cmykToRgb(pixels, count, s.cinfo.saw_Adobe_marker != 0);
    } else {
        clearTopBytes(pixels, count);
    }
    return static_cast<int32_t>(wanted);
}

void JpegDecoder::finish() {
    Session& s = *session_;
    if (!guarded(s, [&] { jpeg_finish_decompress(&s.cinfo); })) raiseFailure();
    s.finished = true;
}

void JpegDecoder::raiseFailure() {
    const int failure = session_->failure;
    if (failure == JERR_OUT_OF_MEMORY || failure == JERR_NO_BACKING_STORE) raiseTooLarge(size());
    raiseInvalidPicture();
}

}  // namespace platform::jpeg
