// Backdrops and pictures loaded at run time as they reach the picture.
#include "render/render_fixture.h"

#include "objects/active_picture.h"
#include "objects/backdrop.h"
#include "objects/text.h"
#include "support/png_fixture.h"
#include "support/temp_dir.h"

namespace {

TEST_F(RenderTest, BackdropIsPlacedByItsCornerWhateverItsHotSpot)
{
    std::unique_ptr<Image> image = make_image(2, 1, {255, 0, 0, 255, 0, 0, 255, 255}, 1, 1);
    Backdrop* backdrop = nullptr;
    render([&](CanvasFrame& f) {
        backdrop = new Backdrop(image.get(), "Backdrop", 40, 30, 4);
        backdrop->set_blend_color(0x000000); // not used by backdrops
        f.add_object(backdrop, 0);
    });
    EXPECT_TRUE(color_near(picture.at(40, 30), 255, 0, 0, 0));
    EXPECT_TRUE(color_near(picture.at(41, 30), 0, 0, 255, 0));
    EXPECT_TRUE(color_near(picture.at(39, 29), 0, 0, 0, 0));
    EXPECT_EQ(image->hotspot_x, 1);
    EXPECT_EQ(image->hotspot_y, 1);
}

// An opaque picture file without alpha: pixels of the transparent colour
// vanish, the others are drawn with the picture's corner at the position.
TEST_F(RenderTest, PictureFileDrawsWithItsTransparentColourCutOut)
{
    TempDir dir;
    // Black, yellow / red, black.
    std::vector<unsigned char> rgb = {0, 0, 0, 255, 255, 0, 255, 0, 0, 0, 0, 0};
    std::vector<unsigned char> png = encode_png(2, 2, rgb, 2 /* RGB */);
    std::string path = dir.write("item.png", std::string(png.begin(), png.end()));
    render([&](CanvasFrame& f) {
        f.background_color = Color(0, 0, 255, 255);
        ActivePicture* item = new ActivePicture("Item", 70, 80, 6);
        item->set_transparent_color(Color(0, 0, 0, 255));
        item->load(path);
        f.add_object(item, 0);
    });
    EXPECT_TRUE(color_near(picture.at(70, 80), 0, 0, 255, 0)) << "black cut out";
    EXPECT_TRUE(color_near(picture.at(71, 80), 255, 255, 0, 0));
    EXPECT_TRUE(color_near(picture.at(70, 81), 255, 0, 0, 0));
    EXPECT_TRUE(color_near(picture.at(71, 81), 0, 0, 255, 0));
}

} // namespace

namespace {

std::string png_file(const TempDir& dir, const std::string& name, unsigned char red)
{
    std::vector<unsigned char> png = encode_rgba_png(1, 1, {red, 0, 0, 255});
    return dir.write(name, std::string(png.begin(), png.end()));
}

// Loading needs no GL context: these run without drawing.
TEST(ActivePictureCache, SamePathIsDecodedOnceAndSharedByCopies)
{
    TempDir dir;
    std::string path = png_file(dir, "once.png", 10);
    ActivePicture first("Item", 0, 0, 6), second("Item", 0, 0, 6);
    first.load(path);
    // Changing the file afterwards shows whether the second load decodes it.
    png_file(dir, "once.png", 99);
    second.load(path);
    ASSERT_NE(first.image, nullptr);
    ASSERT_NE(second.image, nullptr);
    EXPECT_NE(first.image, second.image);
    EXPECT_EQ(first.cached_image, second.cached_image);
    EXPECT_EQ(second.image->pixels, first.image->pixels);
    EXPECT_EQ(second.image->pixels[0], 10);
    EXPECT_EQ(second.image->hotspot_x, 0);
}

TEST(ActivePictureCache, FileThatFailsIsTriedAgainOnTheNextLoad)
{
    TempDir dir;
    std::string path = dir.path + "/later.png";
    ActivePicture picture("Item", 5, 6, 6);
    ::testing::internal::CaptureStdout();
    picture.load(path);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Could not load image \"" + path + "\"\n");
    EXPECT_EQ(picture.image, nullptr);
    int box[4];
    picture.get_box(box);
    EXPECT_EQ(box[0], box[2]) << "an empty picture has an empty box";

    png_file(dir, "later.png", 42);
    picture.load(path);
    ASSERT_NE(picture.image, nullptr);
    EXPECT_EQ(picture.image->pixels[0], 42);
    picture.get_box(box);
    EXPECT_EQ(box[0], 5);
    EXPECT_EQ(box[2], 6);

    // Removing the shown copy leaves the shape with nothing to test.
    picture.remove_image();
    picture.get_box(box);
    EXPECT_EQ(box[0], box[2]);
}

TEST(TextParagraphs, FirstParagraphIsShownAndIndicesAreClamped)
{
    Text text("Text", 0, 0, 5);
    EXPECT_EQ(text.get_paragraph(0), "");
    text.add_line("P");
    text.add_line("Q");
    EXPECT_EQ(text.text, "P");
    EXPECT_EQ(text.get_paragraph(5), "Q");
    EXPECT_EQ(text.get_paragraph(-1), "P");
}

} // namespace
