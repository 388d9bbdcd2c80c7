#pragma once

#include "collision/collision.h"
#include "frame/frame.h"
#include "frame/frame_object.h"
#include "image/image.h"
#include "manager/game_manager.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Pixels read back from OpenGL, rows top to bottom, 4 bytes per pixel.
struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
    const unsigned char* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// Reads a rectangle of the bound framebuffer (GL rows go bottom to top;
// `top` counts from the top of a framebuffer `total_height` rows high).
Picture read_pixels(int left, int top, int width, int height, int total_height);
void save_picture(const Picture& picture, const std::string& path);

// A frame the test fills: `setup` runs in on_start, after one layer exists.
class CanvasFrame final : public Frame {
public:
    CanvasFrame(int index, GameManager* manager);
    void on_start() override;
    void handle_events() override;
    std::function<void(CanvasFrame&)> setup;
    std::function<void(CanvasFrame&)> events;
};

GameDefinition canvas_game();
CanvasFrame& canvas(GameManager& manager);

// An image object that draws through FrameObject::draw_image with the given
// transform, in its blend colour. Its box (what effects that sample the
// background copy) is the untransformed image's.
class ImageObject final : public FrameObject {
public:
    ImageObject(Image* image, int x, int y);
    void draw() override;
    CollisionBase* get_collision() override { return &collision; }
    Image* image;
    SpriteCollision collision;
    double angle = 0.0, x_scale = 1.0, y_scale = 1.0;
    bool flip_x = false;
};

// An image owning the given RGBA pixels.
std::unique_ptr<Image> make_image(int width, int height, const std::vector<unsigned char>& rgba, int hotspot_x = 0,
                                  int hotspot_y = 0);
std::unique_ptr<Image> solid_image(int width, int height, int r, int g, int b, int a);

// One GameManager with its real window for the whole test program: the
// window is opened through GameManager::set_window (800 x 512, "Velmora").
// Each test starts the canvas frame afresh, draws it with GameManager::draw
// and reads the 800 x 512 off-screen picture back. A failing test leaves its
// picture as render_failures/<test>.png in the working directory.
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the canvas with `setup`, draws one pass and reads the picture.
    const Picture& render(const std::function<void(CanvasFrame&)>& setup);
    // Draws the current frame again and reads the picture.
    const Picture& redraw();
    CanvasFrame& frame();
    GameManager* manager = nullptr;
    Picture picture;
};

// Colour channels within `tolerance` of the expected ones (GL rounding).
::testing::AssertionResult color_near(const unsigned char* pixel, int r, int g, int b, int tolerance = 1);
