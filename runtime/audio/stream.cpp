#include "audio/stream.h"

#include "audio/al_check.h"
#include "audio/decoder.h"
#include "audio/device.h"

#include <algorithm>
#include <mutex>

namespace CorvaneAudio {

SoundStream::SoundStream(SoundDecoder* decoder) : decoder(decoder)
{
    format = get_format(decoder->channels);
    unsigned long second = static_cast<unsigned long>(decoder->sample_rate) * decoder->channels;
    for (SoundBuffer*& buffer : buffers)
        buffer = new SoundBuffer(second, decoder->sample_rate, decoder->channels);
    audio_device->add_stream(this);
}

SoundStream::~SoundStream()
{
    stop();
    audio_device->remove_stream(this);
    release_buffers();
    delete decoder;
}

void SoundStream::release_buffers()
{
    if (released)
        return;
    unqueue_all();
    for (SoundBuffer*& buffer : buffers) {
        delete buffer;
        buffer = nullptr;
    }
    released = true;
    closed = true;
}

void SoundStream::unqueue_all()
{
    AL_CHECK(alSourceStop(source));
    AL_CHECK(alSourcei(source, AL_BUFFER, 0));
}

int SoundStream::index_of(ALuint name) const
{
    for (int i = 0; i < buffer_count; ++i)
        if (buffers[i]->buffer == name)
            return i;
    return -1;
}

bool SoundStream::fill_buffer(int index)
{
    SoundBuffer* buffer = buffers[index];
    unsigned long wanted = static_cast<unsigned long>(buffer->data.size());
    unsigned long got = buffer->read(decoder);
    bool end = false;
    if (got < wanted) {
        end_markers[index] = true;
        if (loop) {
            decoder->seek(0);
            if (got == 0)
                got = buffer->read(decoder);
        } else {
            end = true;
        }
    }
    if (got > 0) {
        buffer->buffer_data(false);
        AL_CHECK(alSourceQueueBuffers(source, 1, &buffer->buffer));
    }
    return end;
}

void SoundStream::fill_queue()
{
    for (int i = 0; i < buffer_count; ++i) {
        if (fill_buffer(i)) {
            end_reached = true;
            return;
        }
    }
}

void SoundStream::play()
{
    if (released)
        return;
    if (playing) {
        AL_CHECK(alSourcePlay(source));
        return;
    }
    decoder->seek(0);
    played_samples = 0;
    std::fill(std::begin(end_markers), std::end(end_markers), false);
    end_reached = false;
    fill_queue();
    AL_CHECK(alSourcePlay(source));
    playing = true;
}

void SoundStream::update()
{
    if (!playing)
        return;
    ALint state = AL_STOPPED;
    AL_CHECK(alGetSourcei(source, AL_SOURCE_STATE, &state));
    if (state == AL_STOPPED) {
        if (end_reached) {
            stop();
            return;
        }
        // The queue ran dry before the refill came: start again.
        AL_CHECK(alSourcePlay(source));
    }
    ALint processed = 0;
    AL_CHECK(alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed));
    for (; processed > 0; --processed) {
        ALuint name = 0;
        AL_CHECK(alSourceUnqueueBuffers(source, 1, &name));
        int index = index_of(name);
        if (index < 0)
            continue;
        if (end_markers[index]) {
            played_samples = 0;
            end_markers[index] = false;
        } else {
            played_samples += buffers[index]->count;
        }
        if (!end_reached)
            end_reached = fill_buffer(index);
    }
}

int SoundStream::get_status()
{
    int status = SoundBase::get_status();
    if (playing && status == 0)
        return 2;
    return status;
}

void SoundStream::stop()
{
    std::lock_guard<std::recursive_mutex> hold(audio_device->stream_lock);
    if (!playing)
        return;
    playing = false;
    release_buffers();
}

int SoundStream::get_sample_rate() { return decoder->sample_rate; }

void SoundStream::set_loop(bool value) { loop = value; }

void SoundStream::set_playing_offset(double seconds)
{
    std::lock_guard<std::recursive_mutex> hold(audio_device->stream_lock);
    if (released)
        return;
    unqueue_all();
    seconds = std::max(seconds, 0.0);
    decoder->seek(seconds);
    played_samples = static_cast<unsigned long>(double(decoder->channels) * decoder->sample_rate * seconds);
    std::fill(std::begin(end_markers), std::end(end_markers), false);
    end_reached = false;
    fill_queue();
    AL_CHECK(alSourcePlay(source));
    playing = true;
}

double SoundStream::get_playing_offset()
{
    std::lock_guard<std::recursive_mutex> hold(audio_device->stream_lock);
    if (released)
        return 0.0;
    ALfloat offset = 0.0f;
    AL_CHECK(alGetSourcef(source, AL_SEC_OFFSET, &offset));
    return double(played_samples) / decoder->sample_rate / decoder->channels + offset;
}

void SoundStream::update_stereo_pan()
{
    std::lock_guard<std::recursive_mutex> hold(audio_device->stream_lock);
    // A stopped stream has let go of its buffers; there is nothing to pan.
    if (released)
        return;
    for (SoundBuffer* buffer : buffers)
        buffer->set_pan(left_factor, right_factor);
}

} // namespace CorvaneAudio
