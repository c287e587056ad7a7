// Printing a picture on one sheet or tiled, on a printer that records what
// each sheet got: 4800 × 6400 printable pixels, a twip per printer pixel.

#include "print/mdlPicPrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "support/fake_pictures.h"
#include "support/recording_printer.h"
#include "view/downscale.h"

namespace {

using testsupport::RecordingPrinter;
using testsupport::Sheet;

// A holder whose picture prints as `width` × `height` printer pixels, too big
// for any paper so it is tiled unless shrunk.
mdlPicPrint::PictureHolder holder(double width, double height) {
    mdlPicPrint::PictureHolder made;
    made.picture = testsupport::solidPicture(8, 8);
    made.width = made.scaleWidth = width;
    made.height = made.scaleHeight = height;
    made.naturalWidth = made.naturalHeight = 1e9;
    return made;
}

TEST(PicturePrintTest, FitToPageAndSheetCounts) {
    struct Case {
        int32_t width, height;
        std::pair<int32_t, int32_t> fitted;
    };
    const Case cases[] = {
        {4000, 20000, {4000, 20000}},  // no rule applies
        {6000, 20000, {4800, 16000}},  // width rule
        {4000, 7000, {3657, 6400}},    // 600 too tall, under an eighth of a page
        {9600, 7000, {8777, 6400}},    // both rules: the height rule wins
        {4000, 7201, {4000, 7201}},    // 801 too tall: tiled down
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mdlPicPrint::fitToPage(4800, 6400, c.width, c.height), c.fitted)
            << c.width << " x " << c.height;
    }
    const std::pair<double, int32_t> counts[] = {
        {2.0, 2}, {2.0001, 3}, {3.0000000000000004, 3}, {3.125, 4}, {8777.0 / 4800, 2}, {0.5, 1}};
    for (const auto& [quotient, count] : counts) {
        EXPECT_EQ(mdlPicPrint::roundUpCount(quotient), count) << quotient;
    }
    EXPECT_THROW(mdlPicPrint::roundUpCount(1e12), base::AppError);
}

TEST(PicturePrintTest, TiledSheetsComeOutColumnByColumnEachShowingItsPartOfThePicture) {
    struct Case {
        int32_t width, height;
        size_t columns, rows;
    };
    const Case cases[] = {
        {4000, 20000, 1, 4}, {6000, 20000, 1, 3}, {4000, 7000, 1, 1}, {9600, 7000, 2, 1}};
    for (const Case& c : cases) {
        RecordingPrinter printer;
        mdlPicPrint::printImage(printer, holder(c.width, c.height), false, "", "");
        const auto& sheets = printer.onlyJob();
        ASSERT_EQ(sheets.size(), c.columns * c.rows) << c.width << " x " << c.height;
        const auto fitted = mdlPicPrint::fitToPage(4800, 6400, c.width, c.height);
        for (size_t i = 0; i < sheets.size(); ++i) {
            ASSERT_EQ(sheets[i].paints.size(), 1u);
            const auto& paint = sheets[i].paints[0];
            EXPECT_EQ(paint.x, -4800.0 * double(i / c.rows)) << "sheet " << i;
            EXPECT_EQ(paint.y, -6400.0 * double(i % c.rows)) << "sheet " << i;
            EXPECT_EQ(paint.width, fitted.first);
            EXPECT_EQ(paint.height, fitted.second);
            EXPECT_TRUE(sheets[i].texts.empty());
        }
    }
}

TEST(PicturePrintTest, TiledTitleAddressAndEveryRowPrinted) {
    struct Case {
        const char* what;
        double height;
        size_t sheets;
        size_t addressSheet;
    };
    // The title is 50 pixels high: the picture starts 60 below the top.
    const Case cases[] = {
        {"a column with room at the foot", 20000, 4, 3},
        // 19200 rows fill three sheets; shifted down by 60 they need a fourth.
        {"the header's rows get a sheet", 19200, 4, 3},
        // 12740 + 60 fills two sheets to the foot: the address gets its own.
        {"the address under a full sheet", 12740, 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrinter printer;
        mdlPicPrint::printImage(printer, holder(4000, c.height), false, "Title", "https://a/");
        const auto& sheets = printer.onlyJob();
        ASSERT_EQ(sheets.size(), c.sheets);

        ASSERT_FALSE(sheets[0].texts.empty());
        const auto& title = sheets[0].texts[0];
        EXPECT_EQ(title.text, "Title");
        EXPECT_EQ(title.x, (4800 - 5 * 20) / 2);
        EXPECT_EQ(title.y, 0);
        EXPECT_TRUE(title.bold);

        // Every sheet continues the picture where the one before ended, and
        // the last one painted reaches its bottom row.
        double bottom = 0;
        for (size_t i = 0; i < sheets.size(); ++i) {
            if (sheets[i].paints.empty()) continue;
            const double top = 60 - 6400.0 * double(i);
            EXPECT_EQ(sheets[i].paints[0].y, top) << "sheet " << i;
            bottom = top + c.height;
        }
        EXPECT_LE(bottom, 6400) << "the last rows fall off the last sheet";

        const auto& addressTexts = sheets[c.addressSheet].texts;
        ASSERT_FALSE(addressTexts.empty());
        const auto& address = addressTexts.back();
        EXPECT_EQ(address.text, "https://a/");
        EXPECT_EQ(address.y, 6400 - 50 - 20);
        EXPECT_TRUE(address.bold) << "bold stays on after the title";
        if (!sheets[c.addressSheet].paints.empty()) {
            EXPECT_GE(address.y, bottom) << "the address covers the picture";
        }
    }
}

TEST(PicturePrintTest, OneSheetFitsTheBindingSideWithTitleAboveAndAddressBelow) {
    struct Case {
        const char* what;
        double width, height;
        const char* title;
        double share;
        bool widthBinds;
    };
    const Case cases[] = {
        {"a tall page, titled", 4000, 20000, "Page", 0.95, false},
        {"a wide picture, untitled", 9000, 3000, "", 0.99, true},
        {"exactly the page's shape", 4800, 6400, "", 0.99, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingPrinter printer;
        printer.bold = true;
        mdlPicPrint::printImage(printer, holder(c.width, c.height), true, c.title, "addr");
        const auto& sheets = printer.onlyJob();
        ASSERT_EQ(sheets.size(), 1u);
        ASSERT_EQ(sheets[0].paints.size(), 1u);
        const auto& paint = sheets[0].paints[0];
        if (c.widthBinds) {
            EXPECT_DOUBLE_EQ(paint.width, 4800 * c.share);
        } else {
            EXPECT_DOUBLE_EQ(paint.height, 6400 * c.share);
        }
        EXPECT_NEAR(paint.width / paint.height, c.width / c.height, 1e-9);
        EXPECT_EQ(paint.x, std::nearbyint((4800 - paint.width) / 2));
        EXPECT_EQ(paint.y, std::nearbyint((6400 - paint.height) / 2));
        // Only a title switches bold, on and off again.
        EXPECT_EQ(printer.bold, std::string(c.title).empty());

        const auto& texts = sheets[0].texts;
        if (std::string(c.title).empty()) {
            EXPECT_TRUE(texts.empty());
            continue;
        }
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_TRUE(texts[0].bold);
        EXPECT_EQ(texts[0].x, (4800 - 4 * 20) / 2);
        EXPECT_EQ(texts[0].y, paint.y - 70);
        EXPECT_EQ(texts[1].text, "addr");
        EXPECT_FALSE(texts[1].bold);
        EXPECT_EQ(texts[1].x, paint.x);
        EXPECT_DOUBLE_EQ(texts[1].y, paint.y + paint.height + 20);
    }
}

TEST(PicturePrintTest, LongTextsWrapWithinTheSheetAndKeepOffThePicture) {
    // 240 characters fit the sheet's width; the title is 330, the addresses 600.
    std::string title;
    for (int i = 0; i < 30; ++i) title += "Longwords ";
    std::string slashes = "https://example.org/";
    while (slashes.size() < 600) slashes += "segment-" + std::to_string(slashes.size()) + "/";
    for (const bool shrunk : {true, false}) {
        for (const std::string& address : {slashes, std::string(600, 'a')}) {
            SCOPED_TRACE(shrunk ? "one sheet" : "tiled");
            RecordingPrinter printer;
            mdlPicPrint::printImage(printer, holder(4000, 20000), shrunk, title, address);
            const auto& sheets = printer.onlyJob();
            ASSERT_FALSE(sheets.empty());
            std::string titleRead;
            std::string addressRead;
            double titleEnd = 0;
            for (const Sheet& sheet : sheets) {
                for (const auto& text : sheet.texts) {
                    EXPECT_GE(text.x, 0);
                    EXPECT_LE(text.x + 20.0 * double(text.text.size()), 4800) << text.text;
                    const bool isTitle = &sheet == &sheets[0] && text.text.starts_with("Long");
                    (isTitle ? titleRead += text.text + " " : addressRead += text.text);
                    if (isTitle) titleEnd = text.y + 50;
                }
            }
            EXPECT_EQ(titleRead, title);
            EXPECT_EQ(addressRead, address);
            const auto& first = sheets[0].paints.at(0);
            EXPECT_LE(titleEnd, first.y) << "the title covers the picture";
            if (shrunk) EXPECT_GE(sheets[0].texts.back().y - 100, first.y + first.height);
        }
    }
}

TEST(PicturePrintTest, APictureIsSentAtThePixelsItCoversOnTheSheet) {
    mdlPicPrint::PictureHolder tall = holder(100, 8000);
    tall.picture = testsupport::solidPicture(100, 8000);
    for (const bool shrunk : {true, false}) {
        RecordingPrinter printer;
        mdlPicPrint::printImage(printer, tall, shrunk, "", "");
        const auto& paint = printer.onlyJob().at(0).paints.at(0);
        EXPECT_EQ(paint.pixelsWide, std::min(100.0, std::ceil(paint.width)));
        EXPECT_EQ(paint.pixelsHigh, std::min(8000.0, std::ceil(paint.height)));
    }
    // Averaged, not picked: rows of black and white become grey.
    auto stripes = std::make_shared<base::Bitmap>(3, 4);
    for (int32_t y = 0; y < 4; ++y) std::fill_n(stripes->row(y), 3, y % 2 ? 0xFFFFFFu : 0u);
    const base::Picture reduced = view::downscale(stripes, 2, 2);
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 2; ++x) EXPECT_EQ(reduced->row(y)[x], 0x808080u);
    }
}

TEST(PicturePrintTest, AFailureMidJobAbortsItAndGoesToTheCaller) {
    // Each failing printer operation, and a holder of no height.
    for (int failing = 1; failing <= 12; ++failing) {
        RecordingPrinter printer;
        printer.failingOperation = failing;
        bool failed = false;
        try {
            mdlPicPrint::printImage(printer, holder(4000, 20000), false, "T", "a");
        } catch (const base::AppError& error) {
            failed = true;
            EXPECT_EQ(error.number(), base::error_number::printerError);
        }
        if (!failed) continue;
        EXPECT_TRUE(printer.jobs.empty()) << "operation " << failing;
    }
    RecordingPrinter printer;
    printer.failingOperation = 14;  // after the first sheets went out
    EXPECT_THROW(mdlPicPrint::printImage(printer, holder(4000, 20000), false, "", ""),
                 base::AppError);
    EXPECT_EQ(printer.abortedJobs, 1);

    RecordingPrinter flat;
    try {
        mdlPicPrint::printImage(flat, holder(4000, 0), true, "", "");
        ADD_FAILURE() << "a holder of no height printed";
    } catch (const base::AppError& error) {
        EXPECT_EQ(error.number(), base::error_number::divisionByZero);
    }
    EXPECT_TRUE(flat.jobs.empty());
}

TEST(PicturePrintTest, TooBigComparesHimetricWithThePapersTwipsAsTheyAre) {
    RecordingPrinter printer;
    auto page = holder(4000, 20000);
    page.naturalWidth = 11906;
    page.naturalHeight = 16838;
    EXPECT_FALSE(mdlPicPrint::isTooBigForPage(printer, page));
    page.naturalHeight = 16839;
    EXPECT_TRUE(mdlPicPrint::isTooBigForPage(printer, page));
}

}  // namespace
