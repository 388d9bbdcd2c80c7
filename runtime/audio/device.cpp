#include "audio/device.h"

#include "audio/al_check.h"
#include "audio/stream.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace CorvaneAudio {

AudioDevice* audio_device = nullptr;

AudioDevice::AudioDevice()
{
    device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        std::fprintf(stderr, "Device open failed\n");
        return;
    }
    context = alcCreateContext(device, nullptr);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        if (context != nullptr)
            alcDestroyContext(context);
        context = nullptr;
        alcCloseDevice(device);
        device = nullptr;
        std::fprintf(stderr, "Context setup failed\n");
        return;
    }
    std::printf("Audio initialized: %s, %s, %s\n", alGetString(AL_VERSION), alGetString(AL_RENDERER),
                alGetString(AL_VENDOR));
    direct_channels = alIsExtensionPresent("AL_SOFT_direct_channels") == AL_TRUE;
    buffer_sub_data = alIsExtensionPresent("AL_SOFT_buffer_sub_data") == AL_TRUE;
    if (buffer_sub_data)
        alBufferSubDataSOFT = reinterpret_cast<PFNALBUFFERSUBDATASOFTPROC>(alGetProcAddress("alBufferSubDataSOFT"));
    _al_check(__FILE__, __LINE__);
    stream_thread = std::thread(&AudioDevice::run_streams, this);
}

AudioDevice::~AudioDevice()
{
    if (stream_thread.joinable()) {
        {
            std::lock_guard<std::mutex> hold(quit_lock);
            quit = true;
        }
        quit_signal.notify_all();
        stream_thread.join();
    }
    if (context != nullptr) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    if (device != nullptr)
        alcCloseDevice(device);
}

bool AudioDevice::is_open() const { return context != nullptr; }

void AudioDevice::add_stream(SoundStream* stream)
{
    std::lock_guard<std::recursive_mutex> hold(stream_lock);
    streams.push_back(stream);
}

void AudioDevice::remove_stream(SoundStream* stream)
{
    std::lock_guard<std::recursive_mutex> hold(stream_lock);
    streams.erase(std::remove(streams.begin(), streams.end(), stream), streams.end());
}

void AudioDevice::run_streams()
{
    std::unique_lock<std::mutex> wait_hold(quit_lock);
    while (!quit) {
        wait_hold.unlock();
        {
            std::lock_guard<std::recursive_mutex> hold(stream_lock);
            for (SoundStream* stream : streams)
                stream->update();
        }
        wait_hold.lock();
        // Waiting on the quit signal instead of sleeping lets close_audio
        // return at once rather than after the rest of the period.
        quit_signal.wait_for(wait_hold, std::chrono::milliseconds(125), [this] { return quit; });
    }
}

void open_audio()
{
    delete audio_device;
    audio_device = new AudioDevice();
}

void close_audio()
{
    delete audio_device;
    audio_device = nullptr;
}

bool is_audio_open() { return audio_device != nullptr && audio_device->is_open(); }

} // namespace CorvaneAudio
