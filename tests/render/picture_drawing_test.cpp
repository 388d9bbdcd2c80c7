// Backdrops and pictures loaded at run time as they reach the picture.
#include "render/render_fixture.h"

#include "objects/active_picture.h"
#include "objects/backdrop.h"
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
