#pragma once

#include "audio/buffer.h"
#include "audio/sound_base.h"

#include <set>

namespace CorvaneAudio {

class SoundDecoder;
class Sound;

// A short sound decoded whole into one buffer, shared by all its voices.
class Sample {
public:
    // Decodes everything the decoder gives, then deletes the decoder.
    explicit Sample(SoundDecoder* decoder);
    ~Sample();
    Sample(const Sample&) = delete;
    Sample& operator=(const Sample&) = delete;

    SoundBuffer* buffer;
    int channels;
    int rate;
    double duration;
    std::set<Sound*> voices;
};

// One playing voice of a sample.
class Sound : public SoundBase {
public:
    explicit Sound(Sample* sample);
    ~Sound() override;

    void update_stereo_pan() override;
    void play() override;
    void stop() override;
    int get_sample_rate() override;
    void set_loop(bool loop) override;
    void set_playing_offset(double seconds) override;
    double get_playing_offset() override;

    // Called by the sample when it goes away: the voice falls silent for good.
    void reset();

private:
    void detach();

    Sample* sample;
    int rate;
    // A panned stereo voice plays its own scaled copy of the sample, so the
    // pan of one voice never changes the others and the shared buffer, which
    // OpenAL will not refill while sources hold it, stays untouched.
    SoundBuffer* panned = nullptr;
};

} // namespace CorvaneAudio
