#include "media/channel.h"

#include "audio/sound_base.h"
#include "media/media.h"
#include "media/sound_data.h"

#include <algorithm>
#include <cstdio>

Channel::~Channel() { stop(); }

bool Channel::is_live() const { return voice != nullptr && !voice->closed; }

void Channel::play(SoundData* data, int loops)
{
    stop();
    voice = data->load();
    if (voice == nullptr)
        return;
    voice->set_volume(float(volume / 100.0));
    voice->set_pan(std::clamp(pan / 100.0, -1.0, 1.0));
    if (frequency != 0.0)
        voice->set_frequency(int(frequency));
    if (loops > 1)
        std::printf("Invalid number of loops (%d)\n", loops);
    voice->set_loop(loops == 0);
    voice->play();
}

void Channel::stop()
{
    // A voice that has ended or lost its sample still has to be freed.
    if (is_live())
        voice->stop();
    delete voice;
    voice = nullptr;
}

bool Channel::is_stopped() { return !is_live() || voice->get_status() == 0; }

void Channel::set_volume(double value)
{
    volume = clamp_sound(value);
    if (is_live())
        voice->set_volume(float(volume / 100.0));
}

void Channel::set_frequency(double value)
{
    frequency = value;
    if (!is_live())
        return;
    // 0 stands for the file's own rate, not for a standstill.
    if (int(value) == 0)
        voice->set_pitch(1.0f);
    else
        voice->set_frequency(int(value));
}

void Channel::set_pan(double value)
{
    pan = value;
    if (is_live())
        voice->set_pan(std::clamp(value / 100.0, -1.0, 1.0));
}
