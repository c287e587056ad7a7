// Which part of a scaled picture lands on a sheet: the printer is sent those
// picture pixels only, and the parts of consecutive sheets join up.

#include "base/sheet_clip.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SheetClipTest, PartsOnTheSheet) {
    struct Case {
        const char* what;
        int32_t pictureWidth, pictureHeight;
        double x, y, width, height, sheetWidth, sheetHeight;
        base::PixelRect source, destination;
    };
    const Case cases[] = {
        {"first sheet",
         100,
         1000,
         0,
         0,
         1000,
         10000,
         1000,
         3000,
         {0, 0, 100, 300},
         {0, 0, 1000, 3000}},
        {"below a header",
         100,
         1000,
         0,
         60,
         1000,
         10000,
         1000,
         3000,
         {0, 0, 100, 294},
         {0, 60, 1000, 2940}},
        {"a middle sheet",
         100,
         1000,
         0,
         -6400,
         1000,
         10000,
         1000,
         3000,
         {0, 640, 100, 300},
         {0, 0, 1000, 3000}},
        {"the last rows",
         100,
         1000,
         0,
         -9500,
         1000,
         10000,
         1000,
         3000,
         {0, 950, 100, 50},
         {0, 0, 1000, 500}},
        {"second column",
         100,
         1000,
         -1000,
         0,
         1500,
         10000,
         1000,
         3000,
         {66, 0, 34, 300},
         {-10, 0, 510, 3000}},
        {"pixels cut by the edges", 3, 3, -4, 0, 10, 10, 5, 10, {1, 0, 2, 3}, {-1, 0, 7, 10}},
    };
    for (const Case& c : cases) {
        const auto part = base::partOnSheet(c.pictureWidth, c.pictureHeight, c.x, c.y, c.width,
                                            c.height, c.sheetWidth, c.sheetHeight);
        ASSERT_TRUE(part) << c.what;
        const auto same = [](const base::PixelRect& a, const base::PixelRect& b) {
            return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
        };
        EXPECT_TRUE(same(part->source, c.source))
            << c.what << ": source " << part->source.x << "," << part->source.y << " "
            << part->source.width << "x" << part->source.height;
        EXPECT_TRUE(same(part->destination, c.destination))
            << c.what << ": destination " << part->destination.x << "," << part->destination.y
            << " " << part->destination.width << "x" << part->destination.height;
    }
    EXPECT_FALSE(base::partOnSheet(100, 1000, 0, -10000, 1000, 10000, 1000, 3000)) << "above";
    EXPECT_FALSE(base::partOnSheet(100, 1000, 0, 3000, 1000, 10000, 1000, 3000)) << "below";
    EXPECT_FALSE(base::partOnSheet(0, 1000, 0, 0, 1000, 10000, 1000, 3000)) << "no picture";
}

TEST(SheetClipTest, ConsecutiveSheetsJoinWithoutGapsOrSeams) {
    // 1280 rows at 300 dots per inch from 96: 3.125 dots a row, on 3358-dot sheets.
    const double scaled = 1280 * 3.125;
    int32_t nextRow = 0;
    for (int sheet = 0; nextRow < 1280; ++sheet) {
        const double top = 60 - 3358.0 * sheet;
        const auto part = base::partOnSheet(10, 1280, 0, top, 10, scaled, 10, 3358);
        ASSERT_TRUE(part) << "sheet " << sheet;
        // The row cut by the sheet's edge goes to both sheets, and no other.
        EXPECT_GE(part->source.y, nextRow - 1) << "sheet " << sheet;
        EXPECT_LE(part->source.y, nextRow) << "sheet " << sheet;
        // Rows land where they would on one endless sheet.
        EXPECT_EQ(part->destination.y,
                  static_cast<int32_t>(std::nearbyint(top + part->source.y * 3.125)));
        nextRow = part->source.y + part->source.height;
    }
}

}  // namespace
