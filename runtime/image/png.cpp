#include "image/image.h"

#include <png.h>

#include <new>

namespace {

// Larger pictures than any texture the renderer can hold are refused before
// anything is allocated, so a damaged header cannot ask for gigabytes.
const png_uint_32 MAX_PICTURE_SIDE = 16384;

} // namespace

// Everything that must survive a libpng long jump lives in plain variables
// declared before setjmp and is volatile where it changes after it; no C++
// object with a destructor is alive in this function.
unsigned char* read_png(FILE* fp, int* width, int* height, bool* has_alpha)
{
    if (!fp)
        return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return nullptr;
    png_infop info = png_create_info_struct(png);
    png_infop end_info = png_create_info_struct(png);
    if (!info || !end_info) {
        png_destroy_read_struct(&png, info ? &info : nullptr, end_info ? &end_info : nullptr);
        return nullptr;
    }

    unsigned char* volatile buffer = nullptr;
    png_bytep* volatile rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, &end_info);
        delete[] buffer;
        delete[] rows;
        return nullptr;
    }

    png_init_io(png, fp);
    png_set_user_limits(png, MAX_PICTURE_SIDE, MAX_PICTURE_SIDE);
    png_read_info(png, info);
    png_uint_32 w = png_get_image_width(png, info);
    png_uint_32 h = png_get_image_height(png, info);
    int bit_depth = png_get_bit_depth(png, info);
    int color_type = png_get_color_type(png, info);

    size_t row_bytes = static_cast<size_t>(w) * 4;
    buffer = new (std::nothrow) unsigned char[row_bytes * h];
    rows = new (std::nothrow) png_bytep[h];
    if (!buffer || !rows)
        png_error(png, "out of memory");
    for (png_uint_32 i = 0; i < h; i++)
        rows[i] = buffer + i * row_bytes;

    bool alpha = true;
    if (color_type == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
        alpha = false;
    }
    if (color_type == PNG_COLOR_TYPE_GRAY && bit_depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    if (bit_depth == 16)
        png_set_strip_16(png);
    if (bit_depth < 8)
        png_set_packing(png);
    // A palette picture is RGB by now; where a tRNS chunk already gave a
    // picture alpha, libpng adds no filler.
    if (color_type == PNG_COLOR_TYPE_RGB || color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_PALETTE) {
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
        alpha = false;
    }
    if (color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);

    png_read_image(png, rows);
    png_read_end(png, end_info);
    png_destroy_read_struct(&png, &info, &end_info);
    delete[] rows;

    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    *has_alpha = alpha;
    return buffer;
}

unsigned char* read_png(const std::string& filename, int* width, int* height, bool* has_alpha)
{
    FILE* fp = std::fopen(filename.c_str(), "rb");
    if (!fp)
        return nullptr;
    unsigned char* pixels = read_png(fp, width, height, has_alpha);
    std::fclose(fp);
    return pixels;
}
