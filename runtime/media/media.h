#pragma once

#include "media/channel.h"

#include <map>
#include <string>

class SoundData;

// `x` limited to the volume range 0 to 100.
double clamp_sound(double x);

// The game's sound manager: 32 numbered channels and the table of named
// sounds. Volume is 0 to 100, pan -100 (left) to 100 (right), frequency in
// Hz with 0 for the file's own rate.
class Media {
public:
    static const int channel_count = 32;
    // Files above this size are streamed on every play instead of decoded
    // into memory once.
    static const long memory_limit = 524288;

    Media();
    ~Media();
    Media(const Media&) = delete;
    Media& operator=(const Media&) = delete;

    void set_sounds_path(const std::string& path);
    void add_file(const std::string& name, const std::string& path);
    void add_cache(const std::string& name, const std::string& file);

    // A channel of -1 picks the first stopped channel; loops 0 = endless.
    void play(SoundData* data, int channel, int loops);
    // Music: the file is always streamed, whatever its size.
    void play(const std::string& path, int channel, int loops);
    void play_name(const std::string& name, int channel, int loops);

    void set_channel_volume(int channel, double volume);
    void set_channel_frequency(int channel, double frequency);
    void set_channel_pan(int channel, double pan);
    void stop_channel(int channel);
    void stop_samples();
    double get_channel_volume(int channel);
    bool is_channel_playing(int channel);
    bool is_channel_valid(int channel);

private:
    void setup_sounds();

    Channel channels[channel_count];
    std::map<std::string, SoundData*> sounds;
    std::string sounds_directory;
    bool sounds_ready = false;
};
