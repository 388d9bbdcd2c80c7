#pragma once

#include <AL/al.h>
#include <vector>

namespace CorvaneAudio {

class SoundDecoder;

// The OpenAL format for 16-bit samples with this many channels, 0 if none.
ALenum get_format(int channels);

// One OpenAL buffer with a private copy of its samples, so that a stereo pan
// can be applied to the data before it is uploaded.
class SoundBuffer {
public:
    // An empty buffer with room for `capacity` samples.
    SoundBuffer(unsigned long capacity, int rate, int channels);
    // A buffer holding exactly these samples.
    SoundBuffer(std::vector<short> samples, int rate, int channels);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Fills the buffer from the decoder; returns the samples read.
    unsigned long read(SoundDecoder* decoder);
    // Uploads the held samples with the pan factors applied.
    void buffer_data(bool sub);
    void set_pan(float left, float right);

    ALuint buffer = 0;
    std::vector<short> data;
    unsigned long count = 0;
    int rate;
    float left_factor = 1.0f;
    float right_factor = 1.0f;
    int channels;
    ALenum format;
};

} // namespace CorvaneAudio
