// The JPEG picture codec on Debian's libjpeg-turbo: pixels, the kinds of JPEG,
// damaged and foreign files, the memory refusal, and band reading.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/app_error.h"
#include "platform/jpeg/jpeg_picture_codec.h"
#include "platform/jpeg_samples.h"
#include "support/temp_dir.h"

namespace {

using testsupport::encodeJpeg;
using testsupport::JpegColours;
using testsupport::JpegOptions;

constexpr int32_t kFileNotFound = 53;
constexpr int32_t kOutOfMemory = base::error_number::outOfMemory;
constexpr int32_t kInvalidPicture = base::error_number::invalidPicture;

// Blocks of 16 × 16 pixels in 12 colours, 4 × 3 repeated, each on whole 8 × 8
// JPEG blocks, so each decodes to its own colour.
constexpr int kBlock = 16;
constexpr std::array<uint32_t, 12> kBlockColours = {
    0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0xFFFFFF, 0x000000, 0x808080, 0xC04020, 0x2080C0, 0x40C080,
};

uint32_t blockColour(int x, int y) {
    return kBlockColours[static_cast<size_t>((y / kBlock) % 3 * 4 + (x / kBlock) % 4)];
}

// The same blocks as Adobe software stores CMYK: inverted, no black ink.
uint32_t invertedCmykOf(uint32_t rgb) { return (rgb << 8) | 0xFF; }

int channelDistance(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int da = static_cast<int>((a >> shift) & 0xFF);
        const int db = static_cast<int>((b >> shift) & 0xFF);
        most = std::max(most, std::abs(da - db));
    }
    return most;  // includes the top byte, which must be 0 on both sides
}

bool nearBlockEdge(int x, int y, int margin) {
    const auto near = [margin](int v) {
        const int inBlock = v % kBlock;
        return inBlock < margin || inBlock >= kBlock - margin;
    };
    return near(x) || near(y);
}

// The first pixel further than `tolerance` from its block's colour, as text;
// empty when there is none. Pixels within `margin` of a block's edge are not looked at.
std::string firstMismatch(const base::Bitmap& bitmap, int tolerance, int margin = 0) {
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            const uint32_t got = bitmap.row(y)[x];
            const uint32_t want = blockColour(x, y);
            if (!nearBlockEdge(x, y, margin) && channelDistance(got, want) > tolerance) {
                std::array<char, 64> text{};
                std::snprintf(text.data(), text.size(), "pixel %d,%d is %08X, not about %08X", x, y,
                              got, want);
                return text.data();
            }
        }
    }
    return {};
}

int32_t errorNumber(const auto& action) {
    try {
        action();
    } catch (const base::AppError& error) {
        return error.number();
    }
    return 0;
}

class JpegCodecTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        return dir.write(name, bytes);
    }
    static std::vector<uint8_t> blocks(JpegOptions options = {}) {
        return encodeJpeg(options, blockColour);
    }
    // Rows read in bands of `bandRows`, until the reader says it is at the end.
    std::vector<uint32_t> readInBands(const std::string& path, int32_t bandRows) {
        const auto reader = codec.openBands(path);
        const platform::PictureSize size = reader->size();
        std::vector<uint32_t> pixels;
        const auto width = static_cast<size_t>(size.width);
        std::vector<uint32_t> band(width * static_cast<size_t>(bandRows));
        while (const int32_t rows = reader->readRows(band.data(), bandRows)) {
            pixels.insert(pixels.end(), band.data(),
                          band.data() + width * static_cast<size_t>(rows));
        }
        return pixels;
    }

    testsupport::TempDir dir{"tsjpeg"};
    platform::JpegPictureCodec codec;
};

TEST_F(JpegCodecTest, DecodesEveryPixelWithItsColour) {
    const auto picture = codec.decode(write("blocks.jpg", blocks()));
    ASSERT_EQ(picture->width(), 64);
    ASSERT_EQ(picture->height(), 48);
    EXPECT_EQ(firstMismatch(*picture, 3), "");
}

TEST_F(JpegCodecTest, KnowsAJpegByItsContentWhateverItsName) {
    const std::vector<uint8_t> jpeg = blocks();
    for (const char* name : {"page.mire", "page.mre", "page.png", "page"}) {
        SCOPED_TRACE(name);
        const auto picture = codec.decode(write(name, jpeg));
        EXPECT_EQ(firstMismatch(*picture, 3), "");
    }
}

struct Kind {
    const char* name;
    JpegOptions options;
    int tolerance;
    int margin = 0;  // pixels next to block edges left out
};

class JpegKindTest : public JpegCodecTest, public ::testing::WithParamInterface<Kind> {};

TEST_P(JpegKindTest, DecodesToTheSameColours) {
    const Kind& kind = GetParam();
    const auto source = [&](int x, int y) {
        const uint32_t rgb = blockColour(x, y);
        return kind.options.colours == JpegColours::cmyk ? invertedCmykOf(rgb) : rgb;
    };
    const auto picture = codec.decode(write("kind.jpg", encodeJpeg(kind.options, source)));
    ASSERT_EQ(picture->width(), kind.options.width);
    ASSERT_EQ(picture->height(), kind.options.height);
    if (kind.options.colours == JpegColours::grey) {
        // Grey keeps the blue byte of each block: the same level in R, G and B.
        for (int32_t y = 0; y < picture->height(); ++y) {
            for (int32_t x = 0; x < picture->width(); ++x) {
                const uint32_t level = blockColour(x, y) & 0xFF;
                ASSERT_LE(channelDistance(picture->row(y)[x], level * 0x010101), 2)
                    << x << "," << y;
            }
        }
    } else {
        EXPECT_EQ(firstMismatch(*picture, kind.tolerance, kind.margin), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, JpegKindTest,
    ::testing::Values(
        Kind{"progressive", {.progressive = true}, 3},
        // Chroma at half resolution is blended across block edges; inside, the colours hold.
        Kind{"subsampled", {.quality = 95, .fullChroma = false}, 6, 2},
        Kind{"grey", {.colours = JpegColours::grey}, 2},
        Kind{"cmyk", {.colours = JpegColours::cmyk}, 3},
        Kind{"oddSize", {.width = 61, .height = 45, .quality = 98}, 8}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(JpegCodecTest, RefusesFilesThatAreNotJpegs) {
    const std::vector<std::vector<uint8_t>> others = {
        {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'},
        {'J', 'P', 'E', 'G', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '\n'},
        {},
        {0xFF, 0xD8},
        {0xFF, 0xD8, 0xFF},                    // the start of a JPEG and nothing else
        {0xFF, 0xD8, 0xFF, 0xD9, 0xFF, 0xD9},  // no frame
    };
    for (size_t i = 0; i < others.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string path = write("other" + std::to_string(i) + ".jpg", others[i]);
        EXPECT_EQ(errorNumber([&] { codec.decode(path); }), kInvalidPicture);
        EXPECT_EQ(errorNumber([&] { readInBands(path, 8); }), kInvalidPicture);
    }
}

TEST_F(JpegCodecTest, RefusesJpegsCutShortWhereverTheCut) {
    JpegOptions options;
    options.width = 128;
    options.height = 96;
    // Noise makes the data long enough to cut in many places.
    const auto noise = [](int x, int y) {
        return static_cast<uint32_t>((x * 2654435761u) ^ (y * 40503u) ^ (x * y * 97u)) & 0xFFFFFF;
    };
    const std::vector<uint8_t> whole = encodeJpeg(options, noise);
    const size_t dataStart = testsupport::segmentEnd(whole, 0xDA);
    const std::vector<size_t> cuts = {
        20,
        dataStart - 1,
        dataStart,
        dataStart + 1,
        whole.size() / 4,
        whole.size() / 2,
        whole.size() * 3 / 4,
        whole.size() - 2,
        whole.size() - 1,
    };
    for (const size_t cut : cuts) {
        SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(whole.size()));
        const std::string path = write("cut.jpg", {whole.data(), whole.data() + cut});
        EXPECT_EQ(errorNumber([&] { codec.decode(path); }), kInvalidPicture);
        EXPECT_EQ(errorNumber([&] { readInBands(path, 16); }), kInvalidPicture);
    }
    // Every pixel's data is there, but a segment after it is cut short: the
    // file is read to its end before the last rows count as good.
    std::vector<uint8_t> tail(whole.begin(), whole.end() - 2);
    tail.insert(tail.end(), {0xFF, 0xE1, 0x00, 0x40, 0x01, 0x02});
    const std::string path = write("tail.jpg", tail);
    EXPECT_EQ(errorNumber([&] { codec.decode(path); }), kInvalidPicture);
    EXPECT_EQ(errorNumber([&] { readInBands(path, 16); }), kInvalidPicture);
}

TEST_F(JpegCodecTest, RefusesAJpegWithAnEndMarkerInsideItsData) {
    std::vector<uint8_t> jpeg = blocks({.width = 128, .height = 96, .quality = 90});
    const size_t middle = (testsupport::segmentEnd(jpeg, 0xDA) + jpeg.size()) / 2;
    jpeg[middle] = 0xFF;
    jpeg[middle + 1] = 0xD9;
    EXPECT_EQ(errorNumber([&] { codec.decode(write("damaged.jpg", jpeg)); }), kInvalidPicture);
}

TEST_F(JpegCodecTest, ToleratesStrayBytesBetweenSegments) {
    // libjpeg warns and skips them; every pixel is still there.
    std::vector<uint8_t> jpeg = blocks();
    const size_t afterApp0 = testsupport::segmentEnd(jpeg, 0xE0);
    jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(afterApp0), {0x00, 0x11, 0x22});
    const auto picture = codec.decode(write("stray.jpg", jpeg));
    EXPECT_EQ(firstMismatch(*picture, 3), "");
}

TEST_F(JpegCodecTest, ReportsFilesThatAreNotThere) {
    const std::string folder = dir.path().string();
    for (const std::string& path :
         {folder + "/missing.jpg", folder + "/no/such/folder.jpg", folder, std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(errorNumber([&] { codec.decode(path); }), kFileNotFound);
        EXPECT_EQ(errorNumber([&] { codec.openBands(path); }), kFileNotFound);
    }
}

TEST_F(JpegCodecTest, FollowsBackslashesAsFolderSeparators) {
    write("pages/blocks.mire", blocks());
    const auto picture = codec.decode(dir.path().string() + "\\pages\\blocks.mire");
    EXPECT_EQ(picture->width(), 64);
}

TEST_F(JpegCodecTest, RefusesAPictureTooLargeBeforeDecodingIt) {
    // A real header claiming a huge size over a few bytes of data: decoding
    // would fail as cut short, so a refusal naming the size was made first.
    std::vector<uint8_t> jpeg = blocks();
    testsupport::setFrameSize(jpeg, 65500, 65500);
    const std::string huge = write("huge.jpg", jpeg);
    try {
        codec.decode(huge);
        FAIL() << "decoded";
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.number(), kOutOfMemory);
        EXPECT_EQ(error.description(),
                  "The picture is too large to open: 65500 \u00D7 65500 pixels need 16366 MB of "
                  "memory.");
    }
    // Reading in bands makes no whole bitmap: the reader opens and reports the size.
    const auto reader = codec.openBands(huge);
    EXPECT_EQ(reader->size().width, 65500);
    EXPECT_EQ(reader->size().height, 65500);
}

TEST_F(JpegCodecTest, HoldsBitmapsToTheLimitItWasGiven) {
    std::vector<uint8_t> tall = blocks();
    testsupport::setFrameSize(tall, 1920, 65000);
    platform::JpegPictureCodec small(400u << 20);
    try {
        small.decode(write("tall.jpg", tall));
        FAIL() << "decoded";
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.number(), kOutOfMemory);
        EXPECT_EQ(error.description(),
                  "The picture is too large to open: 1920 \u00D7 65000 pixels need 476 MB of "
                  "memory.");
    }
    const std::string path = write("blocks.jpg", blocks());
    const uint64_t exact = uint64_t{64} * 48 * 4;
    EXPECT_EQ(platform::JpegPictureCodec(exact).decode(path)->width(), 64);
    EXPECT_EQ(errorNumber([&] { platform::JpegPictureCodec(exact - 1).decode(path); }),
              kOutOfMemory);
}

TEST_F(JpegCodecTest, BandsGiveTheSamePixelsAsTheWholePicture) {
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const auto noise = [](int x, int y) { return static_cast<uint32_t>(x * 77 + y * 5501); };
        const std::string path = write("bands.jpg", encodeJpeg({.width = 100,
                                                                .height = 70,
                                                                .quality = 80,
                                                                .fullChroma = false,
                                                                .progressive = progressive},
                                                               noise));
        const auto whole = codec.decode(path);
        const std::vector<uint32_t> wholePixels(whole->data(), whole->data() + size_t{100} * 70);
        // 7 rows divide neither the picture nor libjpeg's row groups; 40 is more than a chunk.
        for (const int32_t bandRows : {1, 7, 40, 70, 500}) {
            SCOPED_TRACE(bandRows);
            EXPECT_EQ(readInBands(path, bandRows), wholePixels);
        }
    }
}

TEST_F(JpegCodecTest, BandReaderRefusesToFinishACutPictureAndStaysFailed) {
    std::vector<uint8_t> jpeg = blocks();
    jpeg.resize(jpeg.size() - 2);  // only the end marker is missing
    const auto reader = codec.openBands(write("cut.jpg", jpeg));
    std::vector<uint32_t> band(size_t{64} * 8);
    int32_t rowsHandedOver = 0;
    const int32_t number = errorNumber([&] {
        while (const int32_t rows = reader->readRows(band.data(), 8)) rowsHandedOver += rows;
    });
    EXPECT_EQ(number, kInvalidPicture);
    EXPECT_LT(rowsHandedOver, 48);
    EXPECT_EQ(errorNumber([&] { reader->readRows(band.data(), 8); }), kInvalidPicture);
}

}  // namespace

// Tall pictures are decoded in two parts, the lower part's memory made ready
// by a second thread meanwhile: every row must still be the picture's, and a
// picture cut short in either part must be refused.
TEST(JpegCodecTallTest, TallPictureIsWholeAndACutOneRefusedInEitherPart) {
    testsupport::TempDir dir{"tsjpegtall"};
    platform::JpegPictureCodec codec;
    JpegOptions options;
    options.width = 1024;
    options.height = 4800;  // 19 MB of pixels
    options.quality = 90;
    const std::vector<uint8_t> whole = encodeJpeg(options, blockColour);

    const auto picture = codec.decode(dir.write("tall.jpg", whole));
    ASSERT_EQ(picture->height(), 4800);
    EXPECT_EQ(firstMismatch(*picture, 3), "");

    const size_t dataStart = testsupport::segmentEnd(whole, 0xDA);
    for (const double share : {0.2, 0.8}) {
        const size_t cut =
            dataStart + static_cast<size_t>(static_cast<double>(whole.size() - dataStart) * share);
        SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(whole.size()));
        const std::string path = dir.write("cut.jpg", {whole.data(), whole.data() + cut});
        EXPECT_EQ(errorNumber([&] { codec.decode(path); }), kInvalidPicture);
    }
}
