#include "support/audio_capture.h"

#include "media/media.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace {

const char* const capture_variable = "VELMORA_AUDIO_CAPTURE_DIR";

// Made once by the test process; its children inherit it through the environment.
std::string capture_directory()
{
    if (const char* existing = std::getenv(capture_variable))
        return existing;
    char pattern[] = "/tmp/velmora-audio-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    setenv(capture_variable, pattern, 1);
    return pattern;
}

uint32_t u32_at(const std::string& s, size_t at)
{
    uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}

} // namespace

CaptureDir::CaptureDir(const std::string& name) : path(capture_directory() + "/" + name)
{
    std::filesystem::create_directories(path);
}

CaptureDir::~CaptureDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string CaptureDir::file(const std::string& name) const { return path + "/" + name; }

void CaptureDir::write(const std::string& name, const std::string& contents) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << contents;
}

void run_and_exit(const std::function<void()>& body)
{
    body();
    std::exit(0);
}

void child_check(bool ok, const std::string& what)
{
    if (ok)
        return;
    std::fprintf(stderr, "check failed: %s\n", what.c_str());
    std::exit(1);
}

void use_audio_backend(const std::string& drivers, const std::string& wave_file)
{
    if (!wave_file.empty()) {
        std::string config = wave_file + ".conf";
        std::ofstream out(config);
        out << "[general]\nfrequency = 44100\nchannels = stereo\n[wave]\nfile = " << wave_file << "\n";
        setenv("ALSOFT_CONF", config.c_str(), 1);
    }
    setenv("ALSOFT_DRIVERS", drivers.c_str(), 1);
}

Capture read_capture(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Capture capture;
    if (file.size() < 12 || file.compare(0, 4, "RIFF") != 0 || file.compare(8, 4, "WAVE") != 0)
        throw std::runtime_error("not a wave capture: " + path);
    size_t at = 12;
    while (at + 8 <= file.size()) {
        std::string id = file.substr(at, 4);
        size_t size = u32_at(file, at + 4);
        at += 8;
        if (id == "fmt ") {
            capture.channels = unsigned(uint8_t(file[at + 2]) | uint8_t(file[at + 3]) << 8);
            capture.rate = u32_at(file, at + 4);
            if (uint8_t(file[at + 14]) != 32)
                throw std::runtime_error("capture is not 32-bit float");
        } else if (id == "data") {
            size = std::min(size, file.size() - at);
            capture.samples.resize(size / 4);
            std::memcpy(capture.samples.data(), file.data() + at, capture.samples.size() * 4);
            break;
        }
        at += size + (size & 1);
    }
    return capture;
}

float Capture::peak(unsigned channel, size_t from, size_t to) const
{
    float best = 0.0f;
    for (size_t f = from; f < std::min(to, frames()); ++f)
        best = std::max(best, std::abs(at(f, channel)));
    return best;
}

size_t Capture::first_sound(float threshold, size_t from) const
{
    for (size_t f = from; f < frames(); ++f)
        for (unsigned c = 0; c < channels; ++c)
            if (std::abs(at(f, c)) > threshold)
                return f;
    return frames();
}

size_t Capture::longest_quiet(float threshold, size_t from, size_t to) const
{
    size_t longest = 0, run = 0;
    for (size_t f = from; f < std::min(to, frames()); ++f) {
        bool quiet = true;
        for (unsigned c = 0; c < channels; ++c)
            quiet = quiet && std::abs(at(f, c)) <= threshold;
        run = quiet ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

size_t Capture::crossings(unsigned channel, size_t from, size_t to) const
{
    size_t count = 0;
    for (size_t f = from + 1; f < std::min(to, frames()); ++f)
        if ((at(f - 1, channel) < 0) != (at(f, channel) < 0))
            ++count;
    return count;
}

void sleep_seconds(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

void wait_while_playing(Media& media, int channel, double seconds)
{
    auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (media.is_channel_playing(channel) && std::chrono::steady_clock::now() < until)
        sleep_seconds(0.01);
}
