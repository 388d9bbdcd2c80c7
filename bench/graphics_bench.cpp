// Collision tests between actives and decoding of the packed image file.
#include "collision/collision.h"
#include "image/image.h"
#include "objects/active.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A 32 x 32 picture whose alpha comes from `solid(x, y)`.
std::unique_ptr<Image> make_picture(bool (*solid)(int, int))
{
    auto image = std::make_unique<Image>(0, 16, 16, 16, 16);
    image->width = image->height = 32;
    image->pixels = new unsigned char[32 * 32 * 4];
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            unsigned char* p = image->get(x, y);
            p[0] = p[1] = p[2] = 200;
            p[3] = solid(x, y) ? 255 : 0;
        }
    return image;
}

struct BenchActive {
    BenchActive(Image* image, int x, int y) : active("Bench", x, y, 1)
    {
        active.animations = &animations;
        active.add_direction(0, 0, 0, 100, true, 0);
        active.add_image(0, 0, image);
        active.initialize_animations();
        active.initialize_active();
    }
    AnimationMap animations;
    Active active;
};

bool even_cells(int x, int y) { return (x + y) % 2 == 0; }
bool odd_cells(int x, int y) { return (x + y) % 2 == 1; }
bool disc(int x, int y) { return (x - 15.5) * (x - 15.5) + (y - 15.5) * (y - 15.5) < 15.5 * 15.5; }

// The worst case of the pixel loop: the boxes cover each other completely
// and no pixel is solid in both, so all 1024 points are tested.
void BM_CollideOverlappingBoxesNoCommonPixel(benchmark::State& state)
{
    auto a_image = make_picture(even_cells);
    auto b_image = make_picture(odd_cells);
    BenchActive a(a_image.get(), 100, 100);
    BenchActive b(b_image.get(), 100, 100);
    for (auto _ : state)
        benchmark::DoNotOptimize(collide(a.active.get_collision(), b.active.get_collision()));
}
BENCHMARK(BM_CollideOverlappingBoxesNoCommonPixel);

// Two discs whose boxes overlap by half; the loop runs until it reaches the
// columns where the discs meet.
void BM_CollideOverlappingDiscs(benchmark::State& state)
{
    auto image = make_picture(disc);
    BenchActive a(image.get(), 100, 100);
    BenchActive b(image.get(), 116, 108);
    for (auto _ : state)
        benchmark::DoNotOptimize(collide(a.active.get_collision(), b.active.get_collision()));
}
BENCHMARK(BM_CollideOverlappingDiscs);

// A turned shape against a scaled one: both go through the inverse mapping
// of every tested point.
void BM_CollideTurnedAndScaledCheckerboards(benchmark::State& state)
{
    auto a_image = make_picture(even_cells);
    auto b_image = make_picture(odd_cells);
    BenchActive a(a_image.get(), 100, 100);
    BenchActive b(b_image.get(), 100, 100);
    a.active.set_angle(30, 0);
    b.active.set_scale(0.999);
    for (auto _ : state)
        benchmark::DoNotOptimize(collide(a.active.get_collision(), b.active.get_collision()));
}
BENCHMARK(BM_CollideTurnedAndScaledCheckerboards);

void BM_CollideBoxReject(benchmark::State& state)
{
    auto image = make_picture(disc);
    BenchActive a(image.get(), 100, 100);
    BenchActive b(image.get(), 300, 100);
    for (auto _ : state)
        benchmark::DoNotOptimize(collide(a.active.get_collision(), b.active.get_collision()));
}
BENCHMARK(BM_CollideBoxReject);

// 2,000 tile-sized PNG streams back to back, as the packed image file holds
// them; each iteration decodes all of them through the shared handle.
const int STREAMS = 2000;

std::string write_packed_file(std::vector<int>& offsets)
{
    std::string path = "/tmp/velmora_bench_sprites_" + std::to_string(getpid()) + ".dat";
    FILE* out = std::fopen(path.c_str(), "wb");
    std::vector<unsigned char> rgba(32 * 32 * 4);
    std::srand(7);
    for (int i = 0; i < STREAMS; i++) {
        for (size_t p = 0; p < rgba.size(); p += 4) {
            int x = static_cast<int>(p / 4 % 32), y = static_cast<int>(p / 4 / 32);
            rgba[p] = static_cast<unsigned char>(x * 8 + i);
            rgba[p + 1] = static_cast<unsigned char>(y * 8);
            rgba[p + 2] = static_cast<unsigned char>(std::rand() % 16 + 100);
            rgba[p + 3] = (x + y + i) % 7 == 0 ? 0 : 255;
        }
        png_image image = {};
        image.version = PNG_IMAGE_VERSION;
        image.width = image.height = 32;
        image.format = PNG_FORMAT_RGBA;
        png_alloc_size_t size = 0;
        png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
        std::vector<unsigned char> stream(size);
        png_image_write_to_memory(&image, stream.data(), &size, 0, rgba.data(), 0, nullptr);
        offsets.push_back(static_cast<int>(std::ftell(out)));
        std::fwrite(stream.data(), 1, size, out);
    }
    std::fclose(out);
    return path;
}

void BM_Decode2000PackedStreams(benchmark::State& state)
{
    std::vector<int> offsets;
    std::string path = write_packed_file(offsets);
    set_image_path(path);
    for (auto _ : state) {
        std::vector<std::unique_ptr<Image>> entries;
        entries.reserve(STREAMS);
        for (int offset : offsets)
            entries.push_back(std::make_unique<Image>(offset, 0, 0, 0, 0));
        for (auto& entry : entries)
            entry->load();
        if (!entries.back()->pixels)
            state.SkipWithError("a stream did not decode");
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_Decode2000PackedStreams)->Unit(benchmark::kMillisecond);

} // namespace
