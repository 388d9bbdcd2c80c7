#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Image;

// Pictures and PNG streams made in memory for tests, so fixtures show exactly the case
// they test instead of depending on files on disk.

// Encodes `samples` (rows top to bottom, packed as libpng expects them for
// the colour type and bit depth) as one PNG stream. A palette picture takes
// its colours (RGB triples) from `palette`, a tRNS chunk from `transparency`
// (alpha per palette entry) when it is not empty.
std::vector<unsigned char> encode_png(int width, int height, const std::vector<unsigned char>& samples, int color_type,
                                      int bit_depth = 8, const std::vector<unsigned char>& palette = {},
                                      const std::vector<unsigned char>& transparency = {});

// An 8-bit RGBA picture: 4 bytes per pixel, red, green, blue, alpha.
std::vector<unsigned char> encode_rgba_png(int width, int height, const std::vector<unsigned char>& rgba);

// Byte position of the first chunk of the given type (such as "IDAT") in a
// PNG stream, or 0 when there is none.
size_t find_png_chunk(const std::vector<unsigned char>& png, const char* type);
// Rewrites the checksum of the chunk at `chunk` after a test changed it, so
// a damaged payload reaches the decoder behind a valid chunk.
void fix_png_chunk_crc(std::vector<unsigned char>& png, size_t chunk);

std::vector<unsigned char> read_bytes(const std::string& path);

// A decoded picture built directly in memory, as if loaded: each pixel's
// alpha comes from `alpha(x, y)`, its colour bytes from its position.
std::unique_ptr<Image> make_image(int width, int height, int hotspot_x, int hotspot_y,
                                  const std::function<unsigned char(int, int)>& alpha, int action_x = 0,
                                  int action_y = 0);
