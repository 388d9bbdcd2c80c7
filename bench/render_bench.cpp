// The rebuild of a pasted background as a screen of the game fills it: 800
// tiles of 32 x 32, then the one upload of the raster. The upload needs an
// OpenGL context (run under xvfb-run); without a display it is skipped.
#include "frame/background.h"
#include "image/image.h"
#include "platform/backend.h"

#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// Tiles with what terrain has: an opaque body, soft half-transparent edges
// and fully transparent corners.
std::vector<std::unique_ptr<Image>> make_tiles()
{
    std::vector<std::unique_ptr<Image>> tiles;
    for (int t = 0; t < 8; t++) {
        auto tile = std::make_unique<Image>(0, 0, 0, 0, 0);
        tile->width = tile->height = 32;
        tile->pixels = new unsigned char[32 * 32 * 4];
        for (int y = 0; y < 32; y++)
            for (int x = 0; x < 32; x++) {
                unsigned char* p = tile->pixels + (y * 32 + x) * 4;
                int edge = std::min(std::min(x, 31 - x), std::min(y, 31 - y));
                p[0] = static_cast<unsigned char>(x * 8 + t);
                p[1] = static_cast<unsigned char>(y * 8);
                p[2] = static_cast<unsigned char>(t * 30);
                p[3] = edge == 0 ? 0 : edge < 4 ? static_cast<unsigned char>(edge * 60) : 255;
            }
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

// 800 pastes: the 25 x 16 screen grid twice, the second pass shifted by half
// a tile as decoration over terrain; every tenth paste is an obstacle.
void fill(Background& back, const std::vector<std::unique_ptr<Image>>& tiles)
{
    int n = 0;
    for (int pass = 0; pass < 2; pass++)
        for (int row = 0; row < 16; row++)
            for (int column = 0; column < 25; column++, n++)
                back.paste(tiles[n % tiles.size()].get(), column * 32 + pass * 16, row * 32 + pass * 16, 0, 0, 32, 32,
                           n % 10 == 0 ? 1 : 0, true);
}

void BM_BackgroundRebuild(benchmark::State& state)
{
    auto tiles = make_tiles();
    Background back;
    fill(back, tiles);
    for (auto _ : state) {
        back.rebuild_needed = true;
        back.update();
        benchmark::DoNotOptimize(back.raster);
    }
    state.counters["pastes"] = static_cast<double>(back.items.size());
}
BENCHMARK(BM_BackgroundRebuild)->Unit(benchmark::kMillisecond);

bool open_context()
{
    static bool opened = false, tried = false;
    if (!tried) {
        tried = true;
        platform::backend().init();
        opened = platform::backend().open_window(false, 800, 512, "Velmora benchmark");
        if (opened)
            glewInit();
    }
    return opened;
}

void BM_BackgroundRebuildAndUpload(benchmark::State& state)
{
    if (!open_context()) {
        state.SkipWithError("no display: run under xvfb-run to measure the upload");
        return;
    }
    auto tiles = make_tiles();
    Background back;
    fill(back, tiles);
    for (auto _ : state) {
        back.rebuild_needed = true;
        back.update();
        back.upload();
        // Wait for the driver to take the pixels, so the upload is measured.
        glFinish();
    }
}
BENCHMARK(BM_BackgroundRebuildAndUpload)->Unit(benchmark::kMillisecond);

} // namespace
