#pragma once

#include <cstddef>
#include <string>
#include <vector>

class Media;

// OpenAL Soft picks its backend and reads its configuration once per
// process, so every test that needs a device runs the device part in a
// child process (a threadsafe-style death test re-runs the test binary) and
// checks what was written from the parent.

// A file path that the test and its child process agree on; the file is
// removed when the object goes away in the parent.
class CaptureFile {
public:
    explicit CaptureFile(const std::string& name);
    ~CaptureFile();
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    std::string path;
};

// Chooses OpenAL Soft's backend for this process: "wave" writes everything
// played to `wave_file`, "null" plays into nothing, an unknown name leaves no
// device at all. Must run before the first device is opened.
void use_audio_backend(const std::string& drivers, const std::string& wave_file = "");

// What OpenAL Soft's wave backend wrote: interleaved 32-bit float frames.
struct Capture {
    unsigned channels = 0;
    unsigned rate = 0;
    std::vector<float> samples;

    size_t frames() const { return channels == 0 ? 0 : samples.size() / channels; }
    float at(size_t frame, unsigned channel) const { return samples[frame * channels + channel]; }
    // Largest magnitude on one channel over frames [from, to).
    float peak(unsigned channel, size_t from, size_t to) const;
    // First frame where any channel exceeds `threshold`, or frames().
    size_t first_sound(float threshold, size_t from = 0) const;
};

Capture read_capture(const std::string& path);

// Polls until the channel has stopped or `seconds` have passed.
void wait_while_playing(Media& media, int channel, double seconds);
void sleep_seconds(double seconds);
