// A tall page shown from its first screen while its lower rows are decoded
// on a thread of their own, headless: stepping away stops that decode, what
// needs the whole picture waits for it, and damage found below the first
// screen is reported with the page left on view.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "app/frmMain.h"
#include "support/fake_platform.h"
#include "support/page_files.h"
#include "support/viewer_threads.h"
#include "ui/headless.h"
#include "ui/screen.h"

namespace {

using platform::BandReader;

// Lower rows read slowly, so that the test acts while they are still coming.
class SlowReader : public BandReader {
public:
    SlowReader(std::unique_ptr<BandReader> reader, std::atomic<int>& alive)
        : reader_(std::move(reader)), alive_(alive) {
        ++alive_;
    }
    ~SlowReader() override { --alive_; }
    SlowReader(const SlowReader&) = delete;
    SlowReader& operator=(const SlowReader&) = delete;

    platform::PictureSize size() const override { return reader_->size(); }
    int32_t readRows(uint32_t* pixels, int32_t maxRows) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return reader_->readRows(pixels, maxRows);
    }

private:
    std::unique_ptr<BandReader> reader_;
    std::atomic<int>& alive_;
};

class SlowCodec : public platform::PictureCodec {
public:
    explicit SlowCodec(platform::PictureCodec& codec) : codec_(codec) {}
    base::Picture decode(std::string_view path) override { return codec_.decode(path); }
    std::unique_ptr<BandReader> openBands(std::string_view path) override {
        return codec_.openBands(path);
    }
    platform::PartlyDecoded decodeTop(std::string_view path, int32_t rows) override {
        platform::PartlyDecoded top = codec_.decodeTop(path, rows);
        if (top.rest) top.rest = std::make_unique<SlowReader>(std::move(top.rest), readers);
        return top;
    }
    std::atomic<int> readers{0};  // lower rows still being read

private:
    platform::PictureCodec& codec_;
};

class PictureDecodingTest : public ::testing::Test {
protected:
    void startWith(const std::string& path, platform::Platform& platform) {
        viewer.emplace(platform, path);
        ui::attachHeadless(*viewer, 792, 617);
        ASSERT_EQ(viewer->Form_Load(), frmMain::LoadOutcome::show);
        ui::show(*viewer);
    }
    frmMain& form() { return *viewer; }

    testsupport::FakePlatform fake;
    testsupport::PageFiles files{fake.root.path() / "p"};
    SlowCodec slowCodec{fake.codec};
    platform::Platform slowPlatform{fake.registry,   fake.files,    fake.clock,   slowCodec,
                                    fake.pictures,   fake.shell,    fake.dialogs, fake.printers,
                                    fake.windowHook, fake.clipboard};
    std::optional<frmMain> viewer;
};

TEST_F(PictureDecodingTest, TallPageShowsAtOnceSteppingAwayStopsItsDecodeAndShrinkWaitsForIt) {
    const std::string tall = files.page("a.jpg", 64, 20000);
    files.page("b.jpg");
    startWith(tall, slowPlatform);
    const base::Picture first = form().imgDisplay.picture();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->height(), 20000) << "the whole size at once";
    EXPECT_TRUE(form().vScrollShown());
    EXPECT_GE(first->rowsReady(), form().frImage.height()) << "the first screen is there";
    EXPECT_TRUE(form().pictureDecoding());
    EXPECT_EQ(slowCodec.readers, 1);

    form().imgNext.click();
    EXPECT_EQ(form().currentFileName(), "b.jpg");
    EXPECT_EQ(slowCodec.readers, 0) << "the step stopped the decode of a.jpg";
    const int32_t stopped = first->rowsReady();
    EXPECT_LT(stopped, 20000);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(first->rowsReady(), stopped);

    form().imgPrev.click();
    ASSERT_TRUE(form().pictureDecoding());
    form().imgShrink.click();
    EXPECT_FALSE(form().pictureDecoding());
    EXPECT_TRUE(form().imgSize.picture()->complete());
    EXPECT_EQ(form().imgDisplay.height(), form().frImage.height()) << "shrunk to the frame";
    EXPECT_EQ(ui::screen().mousePointer(), ui::Pointer::normal);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(PictureDecodingTest, DamageBelowTheFirstScreenIsReportedWithThePageLeftOnView) {
    const std::string cut = files.truncatedPage("cut.jpg", 64, 4000);
    startWith(cut, fake.platform);
    ASSERT_TRUE(form().pictureLoaded());
    // The decoder's word arrives as posted messages.
    testsupport::settle(form(), fake.windowHook);

    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].text,
              "This picture cannot be shown:\r\n" + cut + "\r\n\r\nInvalid picture");
    EXPECT_EQ(form().lblTitle.caption(), "Cut");
    EXPECT_EQ(form().currentFileName(), "cut.jpg");
    const base::Picture& picture = form().imgDisplay.picture();
    ASSERT_TRUE(picture && picture->complete());
    EXPECT_NE(picture->row(0)[0], 0x808080u);
    EXPECT_EQ(picture->row(3999)[63], 0x808080u) << "undecoded rows are grey";
}

}  // namespace
