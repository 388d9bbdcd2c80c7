#pragma once

#include <string>

namespace CorvaneAudio {

// A source of 16-bit interleaved samples. Sample counts always count every
// channel, so one second of stereo at 44100 Hz is 88200 samples.
class SoundDecoder {
public:
    virtual bool is_valid() = 0;
    // Reads up to `samples` samples and returns how many were read.
    virtual unsigned long read(short* data, unsigned long samples) = 0;
    virtual void seek(double seconds) = 0;
    virtual ~SoundDecoder() = default;

    unsigned long total_samples = 0;
    int channels = 0;
    int sample_rate = 0;
};

// Chooses the decoder by the file name's extension ("wav", "ogg", none means
// WAV). Returns nullptr, after printing why, when no valid decoder results.
SoundDecoder* create_decoder(const std::string& path);

} // namespace CorvaneAudio
