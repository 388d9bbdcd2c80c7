#include "render/render_fixture.h"

#include "platform/backend.h"
#include "support/png_fixture.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sys/stat.h>

Picture read_pixels(int left, int top, int width, int height, int total_height)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    std::vector<unsigned char> upside_down(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(left, total_height - top - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE, upside_down.data());
    picture.rgba.resize(upside_down.size());
    size_t row = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; y++)
        std::copy(upside_down.begin() + (height - 1 - y) * row, upside_down.begin() + (height - y) * row,
                  picture.rgba.begin() + y * row);
    return picture;
}

void save_picture(const Picture& picture, const std::string& path)
{
    std::vector<unsigned char> png = encode_rgba_png(picture.width, picture.height, picture.rgba);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

CanvasFrame::CanvasFrame(int index, GameManager* manager)
    : Frame("Canvas", 800, 512, Color(0, 0, 0, 255), index, manager)
{
}

void CanvasFrame::on_start()
{
    add_layer(1, 1, true);
    if (setup)
        setup(*this);
}

void CanvasFrame::handle_events()
{
    if (events)
        events(*this);
}

namespace {

Frame** canvas_frames(GameManager* manager)
{
    // Each manager gets its own canvas, built when it starts its first frame.
    static Frame* table[8];
    if (!manager->frame) {
        CanvasFrame* canvas = new CanvasFrame(0, manager);
        for (Frame*& slot : table)
            slot = canvas;
    }
    return table;
}

void no_globals(Globals<double>*, Globals<std::string>*) {}

GameManager* shared_manager()
{
    static GameManager* manager = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        manager = new GameManager(canvas_game());
        global_manager = manager;
        manager->set_window(false);
    }
    return manager;
}

} // namespace

GameDefinition canvas_game() { return GameDefinition{canvas_frames, no_globals}; }

CanvasFrame& canvas(GameManager& manager) { return *static_cast<CanvasFrame*>(manager.frame); }

ImageObject::ImageObject(Image* image, int x, int y)
    : FrameObject("Image", x, y, 1), image(image), collision(this, image)
{
}

void ImageObject::draw()
{
    blend_color.apply();
    draw_image(image, x, y, angle, x_scale, y_scale, flip_x, false);
}

std::unique_ptr<Image> make_image(int width, int height, const std::vector<unsigned char>& rgba, int hotspot_x,
                                  int hotspot_y)
{
    auto image = std::make_unique<Image>(0, hotspot_x, hotspot_y, 0, 0);
    image->width = width;
    image->height = height;
    image->pixels = new unsigned char[rgba.size()];
    std::copy(rgba.begin(), rgba.end(), image->pixels);
    return image;
}

std::unique_ptr<Image> solid_image(int width, int height, int r, int g, int b, int a)
{
    std::vector<unsigned char> rgba;
    for (int i = 0; i < width * height; i++)
        rgba.insert(rgba.end(), {static_cast<unsigned char>(r), static_cast<unsigned char>(g),
                                 static_cast<unsigned char>(b), static_cast<unsigned char>(a)});
    return make_image(width, height, rgba);
}

void RenderTest::SetUp()
{
    manager = shared_manager();
    if (!platform::backend().has_gl())
        GTEST_SKIP() << "no display: render tests run under xvfb-run";
}

void RenderTest::TearDown()
{
    if (!HasFailure() || picture.rgba.empty())
        return;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    mkdir("render_failures", 0755);
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    std::string path = "render_failures/" + name + ".png";
    save_picture(picture, path);
    std::cout << "Read-back saved as " << path << std::endl;
}

const Picture& RenderTest::render(const std::function<void(CanvasFrame&)>& setup)
{
    // A frame keeps its background colour from run to run; tests start black.
    frame().background_color = Color(0, 0, 0, 255);
    frame().setup = setup;
    frame().events = nullptr;
    manager->set_frame(0);
    return redraw();
}

const Picture& RenderTest::redraw()
{
    manager->draw();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, manager->screen_fbo);
    picture = read_pixels(0, 0, 800, 512, 512);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    return picture;
}

CanvasFrame& RenderTest::frame() { return canvas(*manager); }

::testing::AssertionResult color_near(const unsigned char* pixel, int r, int g, int b, int tolerance)
{
    int expected[3] = {r, g, b};
    for (int i = 0; i < 3; i++)
        if (std::abs(pixel[i] - expected[i]) > tolerance)
            return ::testing::AssertionFailure()
                   << "pixel is (" << int(pixel[0]) << ", " << int(pixel[1]) << ", " << int(pixel[2]) << "), expected ("
                   << r << ", " << g << ", " << b << ") within " << tolerance;
    return ::testing::AssertionSuccess();
}
