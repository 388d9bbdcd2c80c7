// Pasted backgrounds and layers as they reach the picture.
#include "render/render_fixture.h"

#include "collision/collision.h"
#include "frame/background.h"
#include "frame/layer.h"
#include "objects/layer_object.h"
#include "objects/quick_backdrop.h"

namespace {

// The raster keeps the colour multiplied by its coverage, so the texture is
// drawn with source factor one: over a background B the pixel becomes
// raster + B x (1 - alpha). Drawn the ordinary way it would be darker.
TEST_F(RenderTest, HalfTransparentPasteIsDrawnPremultiplied)
{
    std::unique_ptr<Image> pixel = solid_image(1, 1, 200, 100, 50, 128);
    const int bg[3] = {0, 0, 255};
    render([&](CanvasFrame& f) {
        f.background_color = Color(bg[0], bg[1], bg[2], 255);
        f.layers[0]->paste(pixel.get(), 10, 20, 0, 0, 1, 1, 0);
    });
    const unsigned char* raster = frame().layers[0]->back->get(10, 20);
    ASSERT_EQ(raster[3], 128);
    float rest = 1.0f - 128 / 255.0f;
    EXPECT_TRUE(color_near(picture.at(10, 20), static_cast<int>(raster[0] + bg[0] * rest + 0.5f),
                           static_cast<int>(raster[1] + bg[1] * rest + 0.5f),
                           static_cast<int>(raster[2] + bg[2] * rest + 0.5f)));
    EXPECT_TRUE(color_near(picture.at(11, 20), bg[0], bg[1], bg[2], 0));
    EXPECT_TRUE(color_near(picture.at(10, 21), bg[0], bg[1], bg[2], 0));
}

TEST_F(RenderTest, ObstaclePasteShowsNothing)
{
    std::unique_ptr<Image> solid = solid_image(16, 16, 255, 255, 255, 255);
    render([&](CanvasFrame& f) { f.layers[0]->paste(solid.get(), 100, 100, 0, 0, 16, 16, 1); });
    EXPECT_TRUE(color_near(picture.at(108, 108), 0, 0, 0, 0));
}

TEST_F(RenderTest, AChangedBackgroundIsSentAgainAndAnUnchangedOneIsNot)
{
    std::unique_ptr<Image> red = solid_image(4, 4, 255, 0, 0, 255);
    render([&](CanvasFrame& f) { f.layers[0]->paste(red.get(), 50, 50, 0, 0, 4, 4, 0); });
    Background* back = frame().layers[0]->back;
    EXPECT_FALSE(back->upload_needed);
    frame().layers[0]->paste(red.get(), 60, 50, 0, 0, 4, 4, 0);
    redraw();
    EXPECT_TRUE(color_near(picture.at(51, 51), 255, 0, 0, 0));
    EXPECT_TRUE(color_near(picture.at(61, 51), 255, 0, 0, 0));
    // Forgetting every paste empties the picture at the next draw.
    frame().layers[0]->destroy_backgrounds();
    redraw();
    EXPECT_TRUE(color_near(picture.at(51, 51), 0, 0, 0, 0));
}

TEST_F(RenderTest, HiddenLayerDrawsNothingButItsMaskStillCollides)
{
    std::unique_ptr<Image> tile = solid_image(16, 16, 255, 255, 0, 255);
    LayerObject* switcher = nullptr;
    render([&](CanvasFrame& f) {
        f.add_layer(1, 1, true);
        f.layers[1]->paste(tile.get(), 100, 100, 0, 0, 16, 16, 0);
        f.layers[1]->paste(tile.get(), 100, 100, 0, 0, 16, 16, 1);
        f.add_object(new QuickBackdrop(Color(0, 255, 0, 255), 10, 10, "Box", 200, 200, 2), 1);
        switcher = new LayerObject("Layer object", 0, 0, 3);
        f.add_object(switcher, 0);
    });
    EXPECT_TRUE(color_near(picture.at(105, 105), 255, 255, 0, 0));
    EXPECT_TRUE(color_near(picture.at(205, 205), 0, 255, 0, 0));

    switcher->hide_layer(1);
    redraw();
    EXPECT_TRUE(color_near(picture.at(105, 105), 0, 0, 0, 0)) << "background hidden";
    EXPECT_TRUE(color_near(picture.at(205, 205), 0, 0, 0, 0)) << "instances hidden";
    PointCollision inside(105, 105), outside(120, 105);
    EXPECT_TRUE(collide(&inside, frame().layers[1]->back->get_collision()));
    EXPECT_FALSE(collide(&outside, frame().layers[1]->back->get_collision()));

    switcher->show_layer(1);
    redraw();
    EXPECT_TRUE(color_near(picture.at(105, 105), 255, 255, 0, 0));
}

TEST_F(RenderTest, QuickBackdropTakesItsOpacityFromTheBlendColour)
{
    render([&](CanvasFrame& f) {
        f.background_color = Color(255, 255, 255, 255);
        QuickBackdrop* box = new QuickBackdrop(Color(0, 0, 255, 255), 20, 10, "Box", 30, 40, 2);
        box->blend_color.set_alpha_coefficient(255 - 64);
        f.add_object(box, 0);
    });
    float a = 64 / 255.0f;
    int rest = static_cast<int>(255 * (1 - a) + 0.5f);
    EXPECT_TRUE(color_near(picture.at(30, 40), rest, rest, static_cast<int>(255 * a + 255 * (1 - a) + 0.5f)));
    EXPECT_TRUE(color_near(picture.at(49, 49), rest, rest, 255));
    EXPECT_TRUE(color_near(picture.at(50, 40), 255, 255, 255, 0));
    EXPECT_TRUE(color_near(picture.at(30, 50), 255, 255, 255, 0));
}

} // namespace

namespace {

TEST(LayerSwitch, IndexOutsideTheFrameIsReportedAndIgnored)
{
    CanvasFrame frame(0, nullptr);
    frame.on_start();
    LayerObject* switcher = new LayerObject("Layer object", 0, 0, 3);
    frame.add_object(switcher, 0);
    ::testing::internal::CaptureStdout();
    switcher->hide_layer(1);
    switcher->show_layer(-1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Invalid layer index 1 (Layer object)\nInvalid layer index -1 (Layer object)\n");
    EXPECT_TRUE(frame.layers[0]->visible);
    switcher->hide_layer(0);
    EXPECT_FALSE(frame.layers[0]->visible);
    frame.on_end();
}

} // namespace
