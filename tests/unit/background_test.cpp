// Pasted backgrounds without a GL context: recording, replay, the blend into
// the raster and the obstacle mask with its margin.
#include "collision/collision.h"
#include "frame/background.h"
#include "image/image.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<Image> solid(int width, int height, int r, int g, int b, int a)
{
    auto image = std::make_unique<Image>(0, 0, 0, 0, 0);
    image->width = width;
    image->height = height;
    image->pixels = new unsigned char[static_cast<size_t>(width) * height * 4];
    for (int i = 0; i < width * height; i++) {
        unsigned char* p = image->pixels + i * 4;
        p[0] = r;
        p[1] = g;
        p[2] = b;
        p[3] = a;
    }
    return image;
}

bool raster_empty(Background& back)
{
    for (int i = 0; i < Background::WIDTH * Background::HEIGHT * 4; i++)
        if (back.raster[i])
            return false;
    return true;
}

// The mask columns at row y that are solid.
std::vector<int> solid_columns(Background& back, int y)
{
    std::vector<int> columns;
    for (int x = -Background::MASK_MARGIN; x < Background::WIDTH + Background::MASK_MARGIN; x++)
        if (*back.get_mask(x, y))
            columns.push_back(x);
    return columns;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> v;
    for (int i = first; i <= last; i++)
        v.push_back(i);
    return v;
}

TEST(Background, PastesAreRecordedAndDrawnOnlyByTheNextUpdate)
{
    auto tile = solid(4, 4, 10, 20, 30, 255);
    Background back;
    back.paste(tile.get(), 5, 5, 0, 0, 4, 4, 0, true);
    EXPECT_TRUE(back.rebuild_needed);
    EXPECT_TRUE(raster_empty(back));
    back.update();
    EXPECT_FALSE(back.rebuild_needed);
    EXPECT_EQ(back.get(5, 5)[0], 10);
    EXPECT_EQ(back.get(8, 8)[3], 255);
    EXPECT_EQ(back.texture, 0u) << "no texture before the first draw";
}

// Each rebuild starts from an empty raster: a half-transparent paste keeps
// its value however many rebuilds follow.
TEST(Background, RebuildReplaysEveryPasteOnceFromScratch)
{
    auto glass = solid(1, 1, 200, 100, 50, 128);
    auto red = solid(1, 1, 255, 0, 0, 255);
    Background back;
    back.paste(glass.get(), 0, 0, 0, 0, 1, 1, 0, true);
    back.update();
    std::vector<unsigned char> once(back.get(0, 0), back.get(0, 0) + 4);
    back.paste(red.get(), 1, 0, 0, 0, 1, 1, 0, true);
    back.update();
    back.update();
    EXPECT_EQ(std::vector<unsigned char>(back.get(0, 0), back.get(0, 0) + 4), once);
    EXPECT_EQ(back.get(1, 0)[0], 255);
}

TEST(Background, HalfTransparentPixelIsStoredMultipliedByItsCoverage)
{
    auto glass = solid(1, 1, 200, 100, 51, 128);
    Background back;
    back.paste(glass.get(), 3, 4, 0, 0, 1, 1, 0, false);
    // Colour x 0.50196, truncated; alpha 128.
    EXPECT_EQ(back.get(3, 4)[0], 100);
    EXPECT_EQ(back.get(3, 4)[1], 50);
    EXPECT_EQ(back.get(3, 4)[2], 25);
    EXPECT_EQ(back.get(3, 4)[3], 128);
    EXPECT_TRUE(solid_columns(back, 4).empty()) << "a picture paste adds no obstacle";

    // Over an opaque pixel the alpha stays full and the colours mix.
    auto white = solid(1, 1, 255, 255, 255, 255);
    Background over;
    over.paste(white.get(), 0, 0, 0, 0, 1, 1, 0, false);
    over.paste(glass.get(), 0, 0, 0, 0, 1, 1, 0, false);
    EXPECT_EQ(over.get(0, 0)[0], static_cast<int>(200 * (128 / 255.0f) + 255 * (1 - 128 / 255.0f)));
    EXPECT_EQ(over.get(0, 0)[3], 255);
}

TEST(Background, TransparentPixelsLeaveTheRasterAsItWas)
{
    auto white = solid(2, 2, 255, 255, 255, 255);
    auto clear = solid(2, 2, 9, 9, 9, 0);
    Background back;
    back.paste(white.get(), 0, 0, 0, 0, 2, 2, 0, false);
    back.paste(clear.get(), 0, 0, 0, 0, 2, 2, 0, false);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(back.get(1, 1)[i], 255);
}

struct MaskCase {
    const char* name;
    int x, width;
    int first, last; // solid columns expected, first > last for none
};

class ObstacleMask : public ::testing::TestWithParam<MaskCase> {};

TEST_P(ObstacleMask, WritesOnlyInsideTheMarginedArea)
{
    const MaskCase& c = GetParam();
    auto tile = solid(c.width, 2, 0, 0, 0, 255);
    Background back;
    back.paste(tile.get(), c.x, 10, 0, 0, c.width, 2, 1, false);
    EXPECT_EQ(solid_columns(back, 10), range(c.first, c.last));
    EXPECT_TRUE(raster_empty(back)) << "an obstacle paste changes nothing visible";
}

INSTANTIATE_TEST_SUITE_P(Edges, ObstacleMask,
                         ::testing::Values(MaskCase{"FarLeft", -60, 16, 0, -1},
                                           MaskCase{"IntoLeftMargin", -40, 16, -32, -25},
                                           MaskCase{"Inside", 100, 16, 100, 115},
                                           MaskCase{"IntoRightMargin", 820, 16, 820, 831},
                                           MaskCase{"FarRight", 832, 16, 0, -1}),
                         [](const ::testing::TestParamInfo<MaskCase>& info) { return std::string(info.param.name); });

TEST(Background, MaskCollidesInItsMarginAndAnswersWithTheAlphaOfThePaste)
{
    auto tile = solid(8, 8, 0, 0, 0, 255);
    Background back;
    back.paste(tile.get(), -36, 540, 0, 0, 8, 8, 1, true);
    back.update();
    PointCollision in_margin(-30, 542), beside(-27, 542), off_mask(-33, 542);
    EXPECT_TRUE(collide(&in_margin, back.get_collision()));
    EXPECT_FALSE(collide(&beside, back.get_collision()));
    EXPECT_FALSE(collide(&off_mask, back.get_collision()));
}

TEST(Background, SourceRectangleIsClippedToTheImageAndTheRaster)
{
    // A 4 x 1 picture whose columns are 1, 2, 3, 4 in red.
    auto row = std::make_unique<Image>(0, 0, 0, 0, 0);
    row->width = 4;
    row->height = 1;
    row->pixels = new unsigned char[16]{1, 0, 0, 255, 2, 0, 0, 255, 3, 0, 0, 255, 4, 0, 0, 255};
    Background back;
    // From source column 2 with a width of 6: only columns 2 and 3 exist.
    back.paste(row.get(), 10, 0, 2, 0, 6, 3, 0, false);
    EXPECT_EQ(back.get(10, 0)[0], 3);
    EXPECT_EQ(back.get(11, 0)[0], 4);
    EXPECT_EQ(back.get(12, 0)[3], 0);
    EXPECT_EQ(back.get(10, 1)[3], 0);
    // Hanging over the right and bottom edges, and from a negative source.
    back.paste(row.get(), 798, 511, 0, 0, 4, 1, 0, false);
    EXPECT_EQ(back.get(798, 511)[0], 1);
    EXPECT_EQ(back.get(799, 511)[0], 2);
    back.paste(row.get(), 20, 0, -1, 0, 3, 1, 0, false);
    EXPECT_EQ(back.get(20, 0)[3], 0);
    EXPECT_EQ(back.get(21, 0)[0], 1);
}

TEST(Background, ResetWithItemsForgetsEveryPaste)
{
    auto tile = solid(4, 4, 10, 20, 30, 255);
    auto empty = std::make_unique<Image>(0, 0, 0, 0, 0); // never decoded
    Background back;
    back.paste(tile.get(), 0, 0, 0, 0, 4, 4, 0, true);
    back.paste(empty.get(), 0, 0, 0, 0, 4, 4, 0, true);
    back.update();
    EXPECT_EQ(back.get(0, 0)[0], 10);
    back.reset(true);
    EXPECT_TRUE(back.items.empty());
    back.update();
    EXPECT_TRUE(raster_empty(back));
}

} // namespace
