#pragma once

#include <AL/al.h>

namespace CorvaneAudio {

// The pan law: gain of one side for x in [0, 1], where x = 1 is the side's
// full share and x = 0 silences it.
double get_pan_factor(double x);

// Anything that plays on an OpenAL source: a voice of a sample or a stream.
// Status: 0 stopped, 1 paused, 2 playing.
class SoundBase {
public:
    SoundBase();
    SoundBase(const SoundBase&) = delete;
    SoundBase& operator=(const SoundBase&) = delete;

    virtual void update_stereo_pan() = 0;
    virtual int get_status();
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual int get_sample_rate() = 0;
    virtual void set_loop(bool loop) = 0;
    virtual void set_playing_offset(double seconds) = 0;
    virtual double get_playing_offset() = 0;
    virtual ~SoundBase();

    void set_pitch(float value);
    void set_volume(float value);
    // -1 is fully left, 1 fully right.
    void set_pan(double value);
    // Plays at `hz` instead of the file's own rate.
    void set_frequency(int hz);

    ALuint source = 0;
    double pan = 0.0;
    float left_factor = 1.0f;
    float right_factor = 1.0f;
    ALenum format = 0;
    float volume = 1.0f;
    float pitch = 1.0f;
    // True once the buffer has been taken from the source.
    bool closed = false;
};

} // namespace CorvaneAudio
