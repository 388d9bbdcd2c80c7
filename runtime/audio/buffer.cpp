#include "audio/buffer.h"

#include "audio/al_check.h"
#include "audio/decoder.h"
#include "audio/device.h"

namespace CorvaneAudio {

ALenum get_format(int channels)
{
    switch (channels) {
    case 1:
        return AL_FORMAT_MONO16;
    case 2:
        return AL_FORMAT_STEREO16;
    case 4:
        return alGetEnumValue("AL_FORMAT_QUAD16");
    case 6:
        return alGetEnumValue("AL_FORMAT_51CHN16");
    case 7:
        return alGetEnumValue("AL_FORMAT_61CHN16");
    case 8:
        return alGetEnumValue("AL_FORMAT_71CHN16");
    default:
        return 0;
    }
}

SoundBuffer::SoundBuffer(unsigned long capacity, int rate, int channels)
    : data(capacity), rate(rate), channels(channels), format(get_format(channels))
{
    AL_CHECK(alGenBuffers(1, &buffer));
}

SoundBuffer::SoundBuffer(std::vector<short> samples, int rate, int channels)
    : data(std::move(samples)), count(data.size()), rate(rate), channels(channels), format(get_format(channels))
{
    AL_CHECK(alGenBuffers(1, &buffer));
}

SoundBuffer::~SoundBuffer() { AL_CHECK(alDeleteBuffers(1, &buffer)); }

unsigned long SoundBuffer::read(SoundDecoder* decoder)
{
    count = decoder->read(data.data(), static_cast<unsigned long>(data.size()));
    return count;
}

void SoundBuffer::buffer_data(bool sub)
{
    // OpenAL takes whole frames only.
    unsigned long frames = channels > 0 ? count / static_cast<unsigned long>(channels) : 0;
    unsigned long samples = frames * static_cast<unsigned long>(channels);
    const short* upload = data.data();
    std::vector<short> panned;
    if (format == AL_FORMAT_STEREO16 && (left_factor != 1.0f || right_factor != 1.0f)) {
        panned.resize(samples);
        for (unsigned long i = 0; i + 1 < samples; i += 2) {
            panned[i] = static_cast<short>(data[i] * left_factor);
            panned[i + 1] = static_cast<short>(data[i + 1] * right_factor);
        }
        upload = panned.data();
    }
    ALsizei bytes = static_cast<ALsizei>(samples * sizeof(short));
    if (sub)
        AL_CHECK(audio_device->alBufferSubDataSOFT(buffer, format, upload, 0, bytes));
    else
        AL_CHECK(alBufferData(buffer, format, upload, bytes, rate));
}

void SoundBuffer::set_pan(float left, float right)
{
    if (format != AL_FORMAT_STEREO16)
        return;
    // The factors are kept even while the buffer is empty: a stream panned
    // before it starts must fill its first buffers panned.
    left_factor = left;
    right_factor = right;
    if (count > 0 && audio_device != nullptr && audio_device->buffer_sub_data)
        buffer_data(true);
}

} // namespace CorvaneAudio
