#include "audio/sound_base.h"

#include "audio/al_check.h"
#include "audio/device.h"

#include <algorithm>
#include <cmath>

namespace CorvaneAudio {

double get_pan_factor(double x)
{
    if (x >= 1.0)
        return 1.0;
    if (x <= 0.0)
        return 0.0;
    return std::clamp(std::pow(2.0, 10000.0 * x / 600.0) / 65535.0, 0.0, 1.0);
}

SoundBase::SoundBase()
{
    AL_CHECK(alGenSources(1, &source));
    if (audio_device != nullptr && audio_device->direct_channels)
        AL_CHECK(alSourcei(source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE));
}

SoundBase::~SoundBase() { AL_CHECK(alDeleteSources(1, &source)); }

int SoundBase::get_status()
{
    if (closed)
        return 0;
    ALint state = AL_STOPPED;
    AL_CHECK(alGetSourcei(source, AL_SOURCE_STATE, &state));
    if (state == AL_PLAYING)
        return 2;
    if (state == AL_PAUSED)
        return 1;
    return 0;
}

void SoundBase::set_pitch(float value)
{
    pitch = value;
    AL_CHECK(alSourcef(source, AL_PITCH, value));
}

void SoundBase::set_volume(float value)
{
    volume = value;
    AL_CHECK(alSourcef(source, AL_GAIN, value));
}

void SoundBase::set_pan(double value)
{
    value = std::clamp(value, -1.0, 1.0);
    if (value == pan)
        return;
    pan = value;
    if (format == AL_FORMAT_STEREO16) {
        left_factor = float(get_pan_factor(std::clamp(1.0 - value, 0.0, 1.0)));
        right_factor = float(get_pan_factor(std::clamp(1.0 + value, 0.0, 1.0)));
        update_stereo_pan();
        return;
    }
    AL_CHECK(alSource3f(source, AL_POSITION, float(value), float(-std::sqrt(1.0 - value * value)), 0.0f));
}

void SoundBase::set_frequency(int hz) { set_pitch(float(hz) / float(get_sample_rate())); }

} // namespace CorvaneAudio
