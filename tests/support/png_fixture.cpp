#include "support/png_fixture.h"

#include "image/image.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

void append_bytes(png_structp png, png_bytep data, size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flush_nothing(png_structp) {}

int channels_of(int color_type)
{
    switch (color_type) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

uint32_t chunk_length(const std::vector<unsigned char>& png, size_t chunk)
{
    return static_cast<uint32_t>(png[chunk]) << 24 | static_cast<uint32_t>(png[chunk + 1]) << 16 |
           static_cast<uint32_t>(png[chunk + 2]) << 8 | png[chunk + 3];
}

// The CRC-32 of the PNG format (reflected, polynomial 0xEDB88320).
uint32_t crc32_of(const unsigned char* data, size_t length)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; i++) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; bit++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

} // namespace

std::vector<unsigned char> encode_png(int width, int height, const std::vector<unsigned char>& samples, int color_type,
                                      int bit_depth, const std::vector<unsigned char>& palette,
                                      const std::vector<unsigned char>& transparency)
{
    std::vector<unsigned char> out;
    size_t row_bytes = (static_cast<size_t>(width) * channels_of(color_type) * bit_depth + 7) / 8;
    if (samples.size() < row_bytes * height)
        std::abort();

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        // Fixtures are built from known-good parameters; failing here is a
        // bug in the test itself.
        std::abort();
    }
    png_set_write_fn(png, &out, append_bytes, flush_nothing);
    png_set_IHDR(png, info, width, height, bit_depth, color_type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colors;
    for (size_t i = 0; i + 2 < palette.size(); i += 3)
        colors.push_back(png_color{palette[i], palette[i + 1], palette[i + 2]});
    if (!colors.empty())
        png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
    if (!transparency.empty())
        png_set_tRNS(png, info, transparency.data(), static_cast<int>(transparency.size()), nullptr);
    png_write_info(png, info);
    for (int row = 0; row < height; row++)
        png_write_row(png, samples.data() + row * row_bytes);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<unsigned char> encode_rgba_png(int width, int height, const std::vector<unsigned char>& rgba)
{
    return encode_png(width, height, rgba, PNG_COLOR_TYPE_RGB_ALPHA);
}

std::vector<unsigned char> read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

size_t find_png_chunk(const std::vector<unsigned char>& png, const char* type)
{
    size_t pos = 8;
    while (pos + 8 <= png.size()) {
        if (std::memcmp(&png[pos + 4], type, 4) == 0)
            return pos;
        pos += 12 + chunk_length(png, pos);
    }
    return 0;
}

void fix_png_chunk_crc(std::vector<unsigned char>& png, size_t chunk)
{
    uint32_t length = chunk_length(png, chunk);
    uint32_t crc = crc32_of(&png[chunk + 4], 4 + length);
    size_t at = chunk + 8 + length;
    for (int i = 0; i < 4; i++)
        png[at + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
}

std::unique_ptr<Image> make_image(int width, int height, int hotspot_x, int hotspot_y,
                                  const std::function<unsigned char(int, int)>& alpha, int action_x, int action_y)
{
    auto image = std::make_unique<Image>(0, hotspot_x, hotspot_y, action_x, action_y);
    image->width = width;
    image->height = height;
    image->pixels = new unsigned char[static_cast<size_t>(width) * height * 4];
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            unsigned char* p = image->get(x, y);
            p[0] = static_cast<unsigned char>(x * 8);
            p[1] = static_cast<unsigned char>(y * 8);
            p[2] = 128;
            p[3] = alpha(x, y);
        }
    return image;
}
