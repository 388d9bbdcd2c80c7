#pragma once

#include <string>
#include <vector>

// Sound files built in memory by the tests.

struct WavLayout {
    unsigned format_tag = 1;
    unsigned channels = 1;
    unsigned rate = 22050;
    unsigned bits = 16;
    // 0 means channels * bits / 8.
    unsigned block_align = 0;
    bool block_align_zero = false;
    // An odd-sized LIST chunk (with its pad byte) ahead of "fmt ".
    bool list_before_format = false;
    bool data_before_format = false;
    bool with_data = true;
    // Bytes of sample data cut from the end while the header keeps the full size.
    unsigned truncate = 0;
};

// A RIFF/WAVE file holding `samples` as 16-bit words (or their raw bytes for
// other sample sizes).
std::string make_wav(const WavLayout& layout, const std::vector<short>& samples);

// Interleaved frames whose left value is the frame index and right value
// its negation, so every read shows where it came from.
std::vector<short> counting_samples(unsigned frames, unsigned channels);

// A sine of `hz` at `amplitude` (0 to 1) on every channel.
std::vector<short> sine_samples(unsigned frames, unsigned channels, unsigned rate, double hz, double amplitude);

// Encodes interleaved samples as Ogg Vorbis (libvorbisenc, fixed serial, so
// the bytes are the same on every run).
std::string make_ogg(const std::vector<short>& samples, unsigned channels, unsigned rate);
