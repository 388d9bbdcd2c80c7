#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class Media;

// OpenAL Soft picks its backend and reads its configuration once per
// process, so every test that needs a device runs the device part in a
// child process (a threadsafe-style death test re-runs the test binary) and
// checks what was written from the parent.

// A folder that the test and its child process agree on, removed with its
// contents when the object goes away in the parent (the child leaves through
// exit, which runs no destructors of the test body).
class CaptureDir {
public:
    explicit CaptureDir(const std::string& name);
    ~CaptureDir();
    CaptureDir(const CaptureDir&) = delete;
    CaptureDir& operator=(const CaptureDir&) = delete;

    std::string file(const std::string& name) const;
    void write(const std::string& name, const std::string& contents) const;

    std::string path;
};

// The statement of an EXPECT_EXIT: runs `body`, then ends the process with
// status 0. Use child_check inside to fail with a message.
[[noreturn]] void run_and_exit(const std::function<void()>& body);
void child_check(bool ok, const std::string& what);

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
    // Longest run of frames in [from, to) where every channel stays within `threshold`.
    size_t longest_quiet(float threshold, size_t from, size_t to) const;
    // Sign changes on one channel over [from, to).
    size_t crossings(unsigned channel, size_t from, size_t to) const;
};

Capture read_capture(const std::string& path);

// Polls until the channel has stopped or `seconds` have passed.
void wait_while_playing(Media& media, int channel, double seconds);
void sleep_seconds(double seconds);
