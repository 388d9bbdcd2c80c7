// Audio hot paths: decoding a file at the memory limit into a Sample, and
// playing a cached sound by name (which must not touch the disk).
#include "audio/decoder.h"
#include "audio/device.h"
#include "audio/sample.h"
#include "media/media.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A device that mixes into nothing, so the numbers do not depend on the
// machine's sound card (or its absence). Set before any device opens.
[[maybe_unused]] const bool null_device = [] { return setenv("ALSOFT_DRIVERS", "null", 0) == 0; }();

void put(std::string& out, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(char((v >> (8 * i)) & 0xff));
}

// A 16-bit mono WAV of exactly `size` bytes holding a tone.
std::string tone_wav(size_t size)
{
    size_t data = size - 44;
    std::string out = "RIFF";
    put(out, uint32_t(size - 8), 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 1, 2);
    put(out, 44100, 4);
    put(out, 88200, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out += "data";
    put(out, uint32_t(data), 4);
    for (size_t i = 0; i < data / 2; ++i)
        put(out, uint32_t(int16_t(10000 * std::sin(i * 0.0628))), 2);
    return out;
}

class BenchDir {
public:
    BenchDir()
    {
        char pattern[] = "/tmp/velmora-bench-XXXXXX";
        path = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    }
    ~BenchDir()
    {
        for (const std::string& file : files)
            std::remove(file.c_str());
        rmdir(path.c_str());
    }
    std::string write(const std::string& name, const std::string& contents)
    {
        files.push_back(path + "/" + name);
        std::ofstream(files.back(), std::ios::binary) << contents;
        return files.back();
    }
    void forget(const std::string& name) { std::remove((path + "/" + name).c_str()); }

    std::string path;

private:
    std::vector<std::string> files;
};

void BM_DecodeWavIntoSample(benchmark::State& state)
{
    BenchDir dir;
    std::string path = dir.write("limit.wav", tone_wav(Media::memory_limit));
    Media media;
    if (!CorvaneAudio::is_audio_open()) {
        state.SkipWithError("no audio device");
        return;
    }
    for (auto _ : state) {
        CorvaneAudio::Sample sample(CorvaneAudio::create_decoder(path));
        benchmark::DoNotOptimize(sample.buffer);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * Media::memory_limit);
}
BENCHMARK(BM_DecodeWavIntoSample)->Unit(benchmark::kMillisecond);

void BM_PlayCachedSoundByName(benchmark::State& state)
{
    BenchDir dir;
    dir.write("Select.wav", tone_wav(44 + 8820));
    Media media;
    media.set_sounds_path(dir.path);
    media.play_name("Select", 5, 1);
    // From here on the sound exists only in memory.
    dir.forget("Select.wav");
    for (auto _ : state)
        media.play_name("Select", 5, 1);
    if (!media.is_channel_playing(5))
        state.SkipWithError("the cached sound did not play");
}
BENCHMARK(BM_PlayCachedSoundByName)->Unit(benchmark::kMicrosecond);

} // namespace
