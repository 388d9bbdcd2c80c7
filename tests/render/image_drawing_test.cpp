// Where and how images land in the off-screen picture: hot spot, rotation,
// flip, blend colour and opacity.
#include "render/render_fixture.h"

namespace {

// Three opaque pixels in a row: red, green, blue.
std::unique_ptr<Image> rgb_row(int hotspot_x, int hotspot_y)
{
    return make_image(3, 1, {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255}, hotspot_x, hotspot_y);
}

struct Placement {
    const char* name;
    int hotspot_x, hotspot_y;
    double angle;
    bool flip;
    // Screen offsets from the position of the red, green and blue pixels.
    int red[2], green[2], blue[2];
};

class ImagePlacement : public RenderTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(ImagePlacement, PixelsLandWhereTheTransformPutsThem)
{
    const Placement& p = GetParam();
    std::unique_ptr<Image> image = rgb_row(p.hotspot_x, p.hotspot_y);
    ImageObject* object = nullptr;
    const int x = 300, y = 200;
    render([&](CanvasFrame& f) {
        object = new ImageObject(image.get(), x, y);
        object->angle = p.angle;
        object->flip_x = p.flip;
        f.add_object(object, 0);
    });
    EXPECT_TRUE(color_near(picture.at(x + p.red[0], y + p.red[1]), 255, 0, 0, 0)) << "red";
    EXPECT_TRUE(color_near(picture.at(x + p.green[0], y + p.green[1]), 0, 255, 0, 0)) << "green";
    EXPECT_TRUE(color_near(picture.at(x + p.blue[0], y + p.blue[1]), 0, 0, 255, 0)) << "blue";
    int lit = 0;
    for (int j = y - 8; j < y + 8; j++)
        for (int i = x - 8; i < x + 8; i++)
            lit += picture.at(i, j)[0] + picture.at(i, j)[1] + picture.at(i, j)[2] > 0;
    EXPECT_EQ(lit, 3) << "exactly the three pixels are drawn";
}

INSTANTIATE_TEST_SUITE_P(Transforms, ImagePlacement,
                         ::testing::Values(
                             // The hot spot is the pixel placed at the position.
                             Placement{"HotSpotMiddle", 1, 0, 0.0, false, {-1, 0}, {0, 0}, {1, 0}},
                             Placement{"HotSpotBelowRight", 3, 1, 0.0, false, {-3, -1}, {-2, -1}, {-1, -1}},
                             // A positive angle turns counter-clockwise on screen: the row points up.
                             Placement{"Rotated90", 0, 0, 90.0, false, {0, -1}, {0, -2}, {0, -3}},
                             Placement{"Rotated90AboutMiddle", 1, 0, 90.0, false, {0, 0}, {0, -1}, {0, -2}},
                             Placement{"FlippedHorizontally", 0, 0, 0.0, true, {2, 0}, {1, 0}, {0, 0}}),
                         [](const ::testing::TestParamInfo<Placement>& info) { return std::string(info.param.name); });

TEST_F(RenderTest, BlendColourTintsAndItsAlphaIsTheOpacity)
{
    std::unique_ptr<Image> white = solid_image(4, 4, 255, 255, 255, 255);
    const int bg[3] = {40, 80, 200};
    render([&](CanvasFrame& f) {
        f.background_color = Color(bg[0], bg[1], bg[2], 255);
        ImageObject* tinted = new ImageObject(white.get(), 100, 100);
        tinted->set_blend_color(0x0080ff); // red 255, green 128, blue 0
        tinted->blend_color.set_alpha_coefficient(127);
        f.add_object(tinted, 0);
        ImageObject* opaque = new ImageObject(white.get(), 200, 100);
        opaque->set_blend_color(0x0080ff);
        f.add_object(opaque, 0);
    });
    float a = 128 / 255.0f;
    const int tint[3] = {255, 128, 0};
    int expected[3];
    for (int i = 0; i < 3; i++)
        expected[i] = static_cast<int>(tint[i] * a + bg[i] * (1 - a) + 0.5f);
    EXPECT_TRUE(color_near(picture.at(101, 101), expected[0], expected[1], expected[2]));
    EXPECT_TRUE(color_near(picture.at(201, 101), 255, 128, 0, 0));
    EXPECT_TRUE(color_near(picture.at(99, 101), bg[0], bg[1], bg[2], 0)) << "nothing outside the image";
}

} // namespace
