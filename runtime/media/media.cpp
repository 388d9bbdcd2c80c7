#include "media/media.h"

#include "audio/device.h"
#include "media/sound_data.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>

double clamp_sound(double x) { return std::clamp(x, 0.0, 100.0); }

Media::Media() { CorvaneAudio::open_audio(); }

Media::~Media()
{
    // Voices and samples hold OpenAL objects, so they go before the device.
    stop_samples();
    for (auto& entry : sounds)
        delete entry.second;
    sounds.clear();
    CorvaneAudio::close_audio();
}

void Media::set_sounds_path(const std::string& path)
{
    std::printf("Set sounds path: %s\n", path.c_str());
    sounds_directory = path + "/";
}

void Media::add_file(const std::string& name, const std::string& path)
{
    // Without a device nothing is heard, so nothing is decoded either.
    if (!CorvaneAudio::is_audio_open())
        return;
    std::string converted = convert_path(path);
    auto found = sounds.find(name);
    if (found != sounds.end()) {
        delete found->second;
        sounds.erase(found);
    }
    if (long(get_file_size(converted)) > memory_limit)
        sounds[name] = new SoundFile(converted);
    else
        sounds[name] = new SoundMemory(converted);
}

void Media::add_cache(const std::string& name, const std::string& file) { add_file(name, sounds_directory + file); }

void Media::play(SoundData* data, int channel, int loops)
{
    if (!CorvaneAudio::is_audio_open())
        return;
    if (channel == -1) {
        for (int i = 0; i < channel_count && channel == -1; ++i)
            if (channels[i].is_stopped())
                channel = i;
    }
    if (is_channel_valid(channel))
        channels[channel].play(data, loops);
}

void Media::play(const std::string& path, int channel, int loops)
{
    SoundFile music(convert_path(path));
    play(&music, channel, loops);
}

void Media::play_name(const std::string& name, int channel, int loops)
{
    if (!sounds_ready) {
        setup_sounds();
        sounds_ready = true;
    }
    auto found = sounds.find(name);
    if (found != sounds.end())
        play(found->second, channel, loops);
}

void Media::set_channel_volume(int channel, double volume)
{
    if (is_channel_valid(channel))
        channels[channel].set_volume(volume);
}

void Media::set_channel_frequency(int channel, double frequency)
{
    if (is_channel_valid(channel))
        channels[channel].set_frequency(frequency);
}

void Media::set_channel_pan(int channel, double pan)
{
    if (is_channel_valid(channel))
        channels[channel].set_pan(pan);
}

void Media::stop_channel(int channel)
{
    if (is_channel_valid(channel))
        channels[channel].stop();
}

void Media::stop_samples()
{
    for (Channel& channel : channels)
        channel.stop();
}

double Media::get_channel_volume(int channel) { return is_channel_valid(channel) ? channels[channel].volume : 0.0; }

bool Media::is_channel_playing(int channel) { return is_channel_valid(channel) && !channels[channel].is_stopped(); }

bool Media::is_channel_valid(int channel)
{
    // Negative indices come from channel numbers computed by the game.
    return channel >= 0 && channel < channel_count;
}
