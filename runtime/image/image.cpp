#include "image/image.h"

#include "image/texture.h"
#include "platform/platform.h"

#include <GL/glew.h>

#include <cstring>
#include <iostream>

namespace {

std::string image_path = "./Sprites.dat";
// Every table entry decodes from this one handle, opened on the first load.
FILE* image_file = nullptr;

} // namespace

void set_image_path(const std::string& path)
{
    image_path = convert_path(path);
    std::cout << "Setting image file to: " << path << std::endl;
    // A handle to the previous file would keep serving the old pictures.
    if (image_file) {
        std::fclose(image_file);
        image_file = nullptr;
    }
}

Image::Image(int offset, int hotspot_x, int hotspot_y, int action_x, int action_y)
    : offset(offset), hotspot_x(hotspot_x), hotspot_y(hotspot_y), action_x(action_x), action_y(action_y), tex(0),
      pixels(nullptr), width(0), height(0), source(nullptr)
{
}

Image::Image(const std::string& filename, int hotspot_x, int hotspot_y, int action_x, int action_y,
             const Color* transparent)
    : offset(-1), hotspot_x(hotspot_x), hotspot_y(hotspot_y), action_x(action_x), action_y(action_y), tex(0),
      pixels(nullptr), width(0), height(0), source(nullptr)
{
    bool has_alpha = false;
    int w = 0, h = 0;
    pixels = read_png(filename, &w, &h, &has_alpha);
    if (!pixels) {
        std::cout << "Could not load image \"" << filename << "\"" << std::endl;
        return;
    }
    width = w;
    height = h;
    if (has_alpha || !transparent)
        return;
    const unsigned char key[4] = {transparent->r, transparent->g, transparent->b, transparent->a};
    size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; i++) {
        unsigned char* pixel = pixels + i * 4;
        if (std::memcmp(pixel, key, 4) == 0)
            pixel[3] = 0;
    }
}

Image::Image(Image& other)
    : offset(-1), hotspot_x(other.hotspot_x), hotspot_y(other.hotspot_y), action_x(other.action_x),
      action_y(other.action_y), tex(other.tex), pixels(other.pixels), width(other.width), height(other.height),
      source(&other)
{
}

Image::~Image()
{
    if (source)
        return;
    delete[] pixels;
    if (tex)
        glDeleteTextures(1, &tex);
}

void Image::load()
{
    if (pixels)
        return;
    if (source) {
        // A copy made before its source was decoded shares the pixels once
        // they exist; it never reads the packed file itself.
        source->load();
        pixels = source->pixels;
        width = source->width;
        height = source->height;
        return;
    }
    if (offset < 0)
        return;
    if (!image_file)
        image_file = std::fopen(image_path.c_str(), "rb");
    if (!image_file || std::fseek(image_file, offset, SEEK_SET) != 0)
        return;
    bool has_alpha = false;
    int w = 0, h = 0;
    pixels = read_png(image_file, &w, &h, &has_alpha);
    if (pixels) {
        width = w;
        height = h;
    }
}

void Image::upload_texture()
{
    if (tex || !pixels)
        return;
    if (source) {
        source->upload_texture();
        tex = source->tex;
        return;
    }
    tex = create_texture(width, height, pixels);
}

unsigned char* Image::get(int x, int y) { return pixels + (static_cast<size_t>(y) * width + x) * 4; }

void Image::draw(double x, double y, double angle, double x_scale, double y_scale, bool flip_x,
                 unsigned int background_texture)
{
    if (!tex)
        upload_texture();
    if (!tex)
        return;

    glPushMatrix();
    glTranslated(x, y, 0.0);
    glRotated(-angle, 0.0, 0.0, 1.0);
    glScaled(x_scale, y_scale, 1.0);

    if (background_texture)
        glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, tex);
    if (background_texture) {
        glActiveTexture(GL_TEXTURE1);
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, background_texture);
    }

    const float left = static_cast<float>(-hotspot_x);
    const float top = static_cast<float>(-hotspot_y);
    const float right = static_cast<float>(width - hotspot_x);
    const float bottom = static_cast<float>(height - hotspot_y);
    const float corners[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    const float plain[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float flipped[4][2] = {{1, 0}, {0, 0}, {0, 1}, {1, 1}};
    const float(*coords)[2] = flip_x ? flipped : plain;

    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        glTexCoord2f(coords[i][0], coords[i][1]);
        if (background_texture)
            glMultiTexCoord2f(GL_TEXTURE1, coords[i][0], coords[i][1]);
        glVertex2f(corners[i][0], corners[i][1]);
    }
    glEnd();

    if (background_texture) {
        glDisable(GL_TEXTURE_2D);
        glActiveTexture(GL_TEXTURE0);
    }
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}
