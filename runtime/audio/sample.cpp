#include "audio/sample.h"

#include "audio/al_check.h"
#include "audio/decoder.h"

#include <vector>

namespace CorvaneAudio {

namespace {

// The header's length is not trusted for the allocation: the samples are
// read in pieces until the decoder has no more.
std::vector<short> decode_all(SoundDecoder* decoder)
{
    const unsigned long piece = 65536UL * static_cast<unsigned long>(decoder->channels);
    std::vector<short> samples;
    unsigned long got = 0;
    do {
        size_t used = samples.size();
        samples.resize(used + piece);
        got = decoder->read(samples.data() + used, piece);
        samples.resize(used + got);
    } while (got > 0);
    samples.shrink_to_fit();
    return samples;
}

} // namespace

Sample::Sample(SoundDecoder* decoder)
    : buffer(new SoundBuffer(decode_all(decoder), decoder->sample_rate, decoder->channels)),
      channels(decoder->channels), rate(decoder->sample_rate),
      duration(double(decoder->total_samples) / decoder->sample_rate / decoder->channels)
{
    buffer->buffer_data(false);
    delete decoder;
}

Sample::~Sample()
{
    std::set<Sound*> users;
    users.swap(voices);
    for (Sound* voice : users)
        voice->reset();
    delete buffer;
}

Sound::Sound(Sample* sample) : sample(sample), rate(sample->rate)
{
    format = sample->buffer->format;
    AL_CHECK(alSourcei(source, AL_BUFFER, ALint(sample->buffer->buffer)));
    sample->voices.insert(this);
}

Sound::~Sound()
{
    if (sample != nullptr)
        sample->voices.erase(this);
    detach();
}

void Sound::detach()
{
    AL_CHECK(alSourceStop(source));
    AL_CHECK(alSourcei(source, AL_BUFFER, 0));
    delete panned;
    panned = nullptr;
}

void Sound::reset()
{
    detach();
    sample = nullptr;
    closed = true;
}

void Sound::update_stereo_pan()
{
    if (closed)
        return;
    SoundBuffer* replacement = nullptr;
    if (left_factor != 1.0f || right_factor != 1.0f) {
        replacement = new SoundBuffer(sample->buffer->data, rate, sample->channels);
        replacement->left_factor = left_factor;
        replacement->right_factor = right_factor;
        replacement->buffer_data(false);
    }
    // A source takes a new buffer only while stopped: a playing voice is
    // stopped, switched and resumed where it was.
    bool was_playing = get_status() == 2;
    double offset = get_playing_offset();
    AL_CHECK(alSourceStop(source));
    ALuint name = replacement != nullptr ? replacement->buffer : sample->buffer->buffer;
    AL_CHECK(alSourcei(source, AL_BUFFER, ALint(name)));
    delete panned;
    panned = replacement;
    if (was_playing) {
        AL_CHECK(alSourcef(source, AL_SEC_OFFSET, float(offset)));
        AL_CHECK(alSourcePlay(source));
    }
}

void Sound::play()
{
    if (!closed)
        AL_CHECK(alSourcePlay(source));
}

void Sound::stop()
{
    if (!closed)
        AL_CHECK(alSourceStop(source));
}

int Sound::get_sample_rate() { return rate; }

void Sound::set_loop(bool loop) { AL_CHECK(alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE)); }

void Sound::set_playing_offset(double seconds)
{
    if (!closed)
        AL_CHECK(alSourcef(source, AL_SEC_OFFSET, float(seconds)));
}

double Sound::get_playing_offset()
{
    ALfloat seconds = 0.0f;
    if (!closed)
        AL_CHECK(alGetSourcef(source, AL_SEC_OFFSET, &seconds));
    return seconds;
}

} // namespace CorvaneAudio
