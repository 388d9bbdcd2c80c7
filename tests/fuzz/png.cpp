// Arbitrary bytes through the PNG decoder, read from a memory-backed FILE*
// as the packed image file is read. A picture that decodes must fill exactly
// width x height x 4 bytes; the sanitizers check every one of them is there.
#include "image/image.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // fmemopen refuses an empty buffer; keep one byte so empty input still
    // reaches the decoder as an empty stream.
    std::vector<uint8_t> bytes(data, data + size);
    bytes.push_back(0);
    FILE* fp = fmemopen(bytes.data(), size ? size : 1, "rb");
    if (!fp)
        return 0;
    if (size == 0)
        std::fgetc(fp);
    int width = -1, height = -1;
    bool has_alpha = false;
    unsigned char* pixels = read_png(fp, &width, &height, &has_alpha);
    std::fclose(fp);
    if (!pixels)
        return 0;
    if (width <= 0 || height <= 0)
        std::abort();
    unsigned int sum = 0;
    size_t count = static_cast<size_t>(width) * height * 4;
    for (size_t i = 0; i < count; i++)
        sum += pixels[i];
    delete[] pixels;
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
