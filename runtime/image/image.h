#pragma once

#include "image/color.h"

#include <cstdio>
#include <string>

// One picture: an entry of the image table (a PNG stream at a byte offset
// of the packed image file), a picture loaded from its own file, or a copy
// sharing another image's pixels and texture. Pixels are decoded on load,
// the texture is created on first draw.
class Image {
public:
    int offset;
    int hotspot_x, hotspot_y;
    int action_x, action_y;
    unsigned int tex;
    unsigned char* pixels;
    int width, height;
    Image* source;

    Image(int offset, int hotspot_x, int hotspot_y, int action_x, int action_y);
    Image(const std::string& filename, int hotspot_x, int hotspot_y, int action_x, int action_y,
          const Color* transparent);
    Image(Image& other);
    ~Image();

    void load();
    void upload_texture();
    unsigned char* get(int x, int y);
    void draw(double x, double y, double angle, double x_scale, double y_scale, bool flip_x,
              unsigned int background_texture);
};

void set_image_path(const std::string& path);

// Decodes one PNG stream into width x height RGBA pixels (freed with
// delete[]), or returns null.
unsigned char* read_png(FILE* fp, int* width, int* height, bool* has_alpha);
unsigned char* read_png(const std::string& filename, int* width, int* height, bool* has_alpha);
