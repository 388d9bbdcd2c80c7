#pragma once

namespace CorvaneAudio {
class SoundBase;
}
class SoundData;

// One numbered sound channel. Its volume, frequency and pan outlive the
// sounds played on it and apply to each new one.
class Channel {
public:
    Channel() = default;
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    // A loop count of 0 plays for ever, anything else once.
    void play(SoundData* data, int loops);
    void stop();
    bool is_stopped();
    void set_volume(double value);
    void set_frequency(double value);
    void set_pan(double value);

    CorvaneAudio::SoundBase* voice = nullptr;
    double volume = 100.0;
    double frequency = 0.0;
    double pan = 0.0;

private:
    bool is_live() const;
};
