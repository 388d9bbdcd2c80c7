// Loading and reading a level document the size of a large world: 1,000
// screen groups of 16 map rows and 4 other keys each (one a long sign
// text), about 1 MB.
#include "ini/ini.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

const int SCREENS = 1000;

std::string level_text()
{
    static const char* const TILES = "#-~=^%oO*+";
    std::ostringstream out;
    for (int screen = 0; screen < SCREENS; ++screen) {
        out << '[' << screen % 40 << ',' << screen / 40 << "]\n";
        for (int row = 0; row < 16; ++row) {
            out << row << '=';
            for (int column = 0; column < 25; ++column)
                out << TILES[(screen * 7 + row * 3 + column) % 10];
            out << '\n';
        }
        out << "Ambiance=Sounds/Ambiance/Cave Drips " << screen % 5 << ".ogg\n";
        out << "Music=Sounds/Music/Deep Hollow Theme " << screen % 3 << ".ogg\n";
        out << "Name=The long winding passage under the old mill, part " << screen << '\n';
        out << "Sign=";
        for (int word = 0; word < 40; ++word)
            out << "word" << (screen + word) % 97 << ' ';
        out << "end\n\n";
    }
    return out.str();
}

const std::string& text()
{
    static const std::string generated = level_text();
    return generated;
}

// The load lines would fill the benchmark's output.
struct QuietOutput {
    std::streambuf* saved = std::cout.rdbuf(nullptr);
    ~QuietOutput()
    {
        std::cout.rdbuf(saved);
        std::cout.clear();
    }
};

void report_size(benchmark::State& state)
{
    state.counters["document_bytes"] = static_cast<double>(text().size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text().size()));
}

void BM_IniLoadString(benchmark::State& state)
{
    for (auto _ : state) {
        INI ini("Level Ini", 0, 0, 15);
        ini.load_string(text(), false);
        benchmark::DoNotOptimize(ini.document);
    }
    report_size(state);
}

void BM_IniLoadFile(benchmark::State& state)
{
    char path[] = "/tmp/velmora-ini-bench-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) {
        state.SkipWithError("no temporary file");
        return;
    }
    close(fd);
    std::ofstream(path, std::ios::binary) << text();
    QuietOutput quiet;
    for (auto _ : state) {
        INI ini("Level Ini", 0, 0, 15);
        ini.load_file(path, true, false, false);
        benchmark::DoNotOptimize(ini.document);
    }
    std::remove(path);
    report_size(state);
}

struct LoadedLevel {
    INI ini{"Level Ini", 0, 0, 15};
    LoadedLevel() { ini.load_string(text(), false); }
};

void BM_IniReadEveryKeyByName(benchmark::State& state)
{
    LoadedLevel level;
    const char* const others[] = {"Ambiance", "Music", "Name", "Sign"};
    for (auto _ : state) {
        size_t total = 0;
        for (int screen = 0; screen < SCREENS; ++screen) {
            std::string group = std::to_string(screen % 40) + "," + std::to_string(screen / 40);
            for (int row = 0; row < 16; ++row)
                total += level.ini.get_string(group, std::to_string(row), "").size();
            for (const char* key : others)
                total += level.ini.get_string(group, key, "").size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_IniReadEveryKeyByIndex(benchmark::State& state)
{
    LoadedLevel level;
    for (auto _ : state) {
        size_t total = 0;
        int groups = level.ini.get_group_count();
        for (int g = 0; g < groups; ++g) {
            std::string group = level.ini.get_group_name(g);
            int items = level.ini.get_item_count(group);
            for (int i = 0; i < items; ++i)
                total += level.ini.get_item_name(group, i).size() + level.ini.get_string_index(group, i).size();
        }
        benchmark::DoNotOptimize(total);
    }
}

} // namespace

BENCHMARK(BM_IniLoadString)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniLoadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniReadEveryKeyByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IniReadEveryKeyByIndex)->Unit(benchmark::kMillisecond);
