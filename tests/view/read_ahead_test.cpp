// The first screens of the neighbouring page images, read ahead on a thread
// of their own: used only for the very file and direction they were read
// for, and let go at every step. Also built with ThreadSanitizer (tshandover).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/jpeg/jpeg_picture_codec.h"
#include "support/local_files.h"
#include "support/page_files.h"
#include "support/temp_dir.h"
#include "view/read_ahead.h"

namespace {

constexpr int32_t screenRows = 100;

class ReadAheadTest : public ::testing::Test {
protected:
    ReadAheadTest() {
        next_ = pages_.page("b.jpg", 64, 300, "Next");
        previous_ = pages_.page("a.jpg", 64, 250, "Previous");
        plain_ = pages_.plain("c.jpg", 64, 200);
    }
    // Reads ahead: the next way finds its page image behind a plain photo.
    void readAhead() {
        readAhead_.start({{+1, {plain_, next_}}, {-1, {previous_}}}, screenRows);
        readAhead_.wait();
    }

    testsupport::TempDir dir_{"tsreadahead"};
    testsupport::PageFiles pages_{dir_.path() / "pages"};
    testsupport::LocalFiles files_{dir_.path().string() + "/"};
    platform::JpegPictureCodec codec_;
    view::ReadAhead readAhead_{files_, codec_};
    std::string next_, previous_, plain_;
};

TEST_F(ReadAheadTest, AScreenReadAheadGoesOnToTheWholePictureAsItsOwnDecodeWould) {
    readAhead();
    EXPECT_EQ(readAhead_.screensHeld(), 2u);
    std::optional<platform::PartlyDecoded> top = readAhead_.take(+1, next_);
    ASSERT_TRUE(top.has_value());
    EXPECT_EQ(readAhead_.screensHeld(), 0u) << "a step lets go of every screen";
    base::Bitmap& picture = *top->bitmap;
    ASSERT_EQ(picture.rowsReady(), screenRows);
    ASSERT_TRUE(top->rest);
    const int32_t rest = picture.height() - screenRows;
    EXPECT_EQ(top->rest->readRows(picture.row(screenRows), rest), rest);
    const base::Picture expected = codec_.decode(next_);
    EXPECT_TRUE(std::equal(picture.data(), picture.data() + picture.width() * picture.height(),
                           expected->data()));
}

TEST_F(ReadAheadTest, AScreenIsUsedOnlyForItsOwnUnchangedFileAndDirection) {
    struct Case {
        const char* what;
        int direction;
        std::string path;
        bool rewrite;  // the file is written anew after the read-ahead
    };
    const Case cases[] = {
        {"a step the other way", -1, next_, false},
        {"another file", +1, previous_, false},
        {"the same name in another folder", +1, pages_.path("x") + "\\b.jpg", false},
        {"the file written anew", +1, next_, true},
    };
    std::filesystem::create_directories(pages_.folder() / "x");
    testsupport::PageFiles other(pages_.folder() / "x");
    other.page("b.jpg", 64, 300, "Next");
    for (const Case& c : cases) {
        readAhead();
        if (c.rewrite) pages_.page("b.jpg", 64, 320, "Next, longer");
        EXPECT_FALSE(readAhead_.take(c.direction, c.path).has_value()) << c.what;
        EXPECT_EQ(readAhead_.screensHeld(), 0u) << c.what;
    }
}

}  // namespace
