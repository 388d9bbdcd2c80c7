#pragma once

#include "audio/buffer.h"
#include "audio/sound_base.h"

#include <atomic>

namespace CorvaneAudio {

class SoundDecoder;

// A long sound played from its file through three one-second buffers that
// the stream thread refills.
class SoundStream : public SoundBase {
public:
    // Takes the decoder, which must be valid, and registers with the device.
    explicit SoundStream(SoundDecoder* decoder);
    ~SoundStream() override;

    void update_stereo_pan() override;
    int get_status() override;
    void play() override;
    void stop() override;
    int get_sample_rate() override;
    void set_loop(bool loop) override;
    void set_playing_offset(double seconds) override;
    double get_playing_offset() override;

    // One refill pass; the stream thread calls it with the stream lock held.
    void update();

private:
    static const int buffer_count = 3;

    void fill_queue();
    // Returns true when the data ended and the stream does not loop.
    bool fill_buffer(int index);
    int index_of(ALuint name) const;
    void unqueue_all();
    void release_buffers();

    SoundDecoder* decoder;
    SoundBuffer* buffers[buffer_count] = {};
    bool end_markers[buffer_count] = {};
    // Set last by play and first by stop, so the stream thread leaves a
    // stream alone while it is being started.
    std::atomic<bool> playing{false};
    std::atomic<bool> loop{false};
    bool end_reached = false;
    bool released = false;
    unsigned long played_samples = 0;
};

} // namespace CorvaneAudio
