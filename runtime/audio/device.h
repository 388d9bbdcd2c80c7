#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace CorvaneAudio {

class SoundStream;

// The output device and its context, plus the thread that keeps every
// stream's buffer queue filled.
class AudioDevice {
public:
    AudioDevice();
    ~AudioDevice();
    bool is_open() const;

    void add_stream(SoundStream* stream);
    void remove_stream(SoundStream* stream);

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool direct_channels = false;
    bool buffer_sub_data = false;
    PFNALBUFFERSUBDATASOFTPROC alBufferSubDataSOFT = nullptr;
    // Guards the stream list and every stream's queue. Recursive because a
    // stream that reaches its end stops itself inside the thread's pass.
    std::recursive_mutex stream_lock;

private:
    void run_streams();

    std::vector<SoundStream*> streams;
    std::thread stream_thread;
    std::mutex quit_lock;
    std::condition_variable quit_signal;
    bool quit = false;
};

// The one device of the program; nullptr before open_audio.
extern AudioDevice* audio_device;

void open_audio();
void close_audio();
// True when sound can be heard: a device and a context were made.
bool is_audio_open();

} // namespace CorvaneAudio
