#include "frame/background.h"

#include "collision/collision.h"
#include "image/image.h"
#include "image/texture.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstring>

namespace {

const size_t MASK_BYTES = static_cast<size_t>(Background::MASK_WIDTH) * Background::MASK_HEIGHT;
const size_t RASTER_BYTES = static_cast<size_t>(Background::WIDTH) * Background::HEIGHT * 4;

// The part of a paste that lands inside both the source image and the
// target area [target_left, target_right) x [target_top, target_bottom):
// offsets i0 <= i < i1, j0 <= j < j1 from the paste's corner. Empty when
// i0 >= i1 or j0 >= j1.
struct Span {
    int i0, i1, j0, j1;
};

Span clip(const BackgroundItem& item, int target_left, int target_top, int target_right, int target_bottom)
{
    Span s;
    s.i0 = std::max({0, -item.src_x, target_left - item.x});
    s.i1 = std::min({item.width, item.image->width - item.src_x, target_right - item.x});
    s.j0 = std::max({0, -item.src_y, target_top - item.y});
    s.j1 = std::min({item.height, item.image->height - item.src_y, target_bottom - item.y});
    return s;
}

// Blends one source pixel over one raster pixel, the raster keeping colours
// multiplied by their coverage.
inline void blend_pixel(const unsigned char* src, unsigned char* dst)
{
    unsigned char alpha = src[3];
    if (alpha == 0)
        return;
    if (alpha == 255) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
        dst[3] = 255;
        return;
    }
    float a = alpha / 255.0f;
    float rest = 1.0f - a;
    dst[0] = static_cast<unsigned char>(src[0] * a + dst[0] * rest);
    dst[1] = static_cast<unsigned char>(src[1] * a + dst[1] * rest);
    dst[2] = static_cast<unsigned char>(src[2] * a + dst[2] * rest);
    dst[3] = static_cast<unsigned char>((dst[3] / 255.0f * rest + a) * 255.0f);
}

} // namespace

Background::Background()
    : mask(new unsigned char[MASK_BYTES]), raster(new unsigned char[RASTER_BYTES]), upload_needed(true),
      rebuild_needed(false), texture(0),
      collision(new MaskCollision(mask, -MASK_MARGIN, -MASK_MARGIN, WIDTH + MASK_MARGIN, HEIGHT + MASK_MARGIN))
{
    reset(true);
}

Background::~Background()
{
    // Without a context nothing was ever uploaded, so there is nothing to free.
    if (texture)
        glDeleteTextures(1, &texture);
    delete collision;
    delete[] mask;
    delete[] raster;
}

void Background::reset(bool clear_items)
{
    // The mask and raster keep their storage (and the collision shape its
    // pointer to the mask); clearing them is what a fresh pair would give.
    std::memset(mask, 0, MASK_BYTES);
    std::memset(raster, 0, RASTER_BYTES);
    upload_needed = true;
    rebuild_needed = false;
    if (clear_items)
        items.clear();
}

void Background::paste(Image* image, int x, int y, int src_x, int src_y, int width, int height, int collision_type,
                       bool save)
{
    BackgroundItem item = {x, y, src_x, src_y, width, height, image, collision_type};
    if (save) {
        items.push_back(item);
        rebuild_needed = true;
        return;
    }
    upload_needed = true;
    if (!image || !image->pixels)
        return;

    if (collision_type == 1) {
        Span s = clip(item, -MASK_MARGIN, -MASK_MARGIN, WIDTH + MASK_MARGIN, HEIGHT + MASK_MARGIN);
        for (int j = s.j0; j < s.j1; j++) {
            const unsigned char* src = image->get(src_x + s.i0, src_y + j) + 3;
            unsigned char* dst = get_mask(x + s.i0, y + j);
            for (int i = s.i0; i < s.i1; i++, src += 4, dst++)
                *dst |= *src;
        }
        return;
    }

    Span s = clip(item, 0, 0, WIDTH, HEIGHT);
    for (int j = s.j0; j < s.j1; j++) {
        const unsigned char* src = image->get(src_x + s.i0, src_y + j);
        unsigned char* dst = get(x + s.i0, y + j);
        for (int i = s.i0; i < s.i1; i++, src += 4, dst += 4)
            blend_pixel(src, dst);
    }
}

void Background::update()
{
    if (!rebuild_needed)
        return;
    reset(false);
    for (const BackgroundItem& item : items)
        paste(item.image, item.x, item.y, item.src_x, item.src_y, item.width, item.height, item.collision_type, false);
}

unsigned char* Background::get(int x, int y) { return raster + (static_cast<size_t>(x) + y * WIDTH) * 4; }

unsigned char* Background::get_mask(int x, int y)
{
    return mask + (x + MASK_MARGIN) + static_cast<size_t>(y + MASK_MARGIN) * MASK_WIDTH;
}

void Background::upload()
{
    if (!texture) {
        texture = create_texture(WIDTH, HEIGHT, nullptr);
        upload_needed = true;
    } else {
        glBindTexture(GL_TEXTURE_2D, texture);
    }
    if (upload_needed) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, WIDTH, HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, raster);
        upload_needed = false;
    }
}

void Background::draw()
{
    update();
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    upload();
    glColor4ub(255, 255, 255, 255);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(0, 0);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(WIDTH, 0);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(WIDTH, HEIGHT);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(0, HEIGHT);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

MaskCollision* Background::get_collision() { return collision; }
