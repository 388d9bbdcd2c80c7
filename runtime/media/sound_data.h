#pragma once

#include <string>

namespace CorvaneAudio {
class Sample;
class SoundBase;
} // namespace CorvaneAudio

// Something a channel can play: each load makes a new voice, owned by the
// caller, or nullptr when the file gave no decoder (the channel stays silent).
class SoundData {
public:
    virtual CorvaneAudio::SoundBase* load() = 0;
    virtual ~SoundData() = default;
};

// A file streamed from disk on every play.
class SoundFile : public SoundData {
public:
    explicit SoundFile(const std::string& path);
    CorvaneAudio::SoundBase* load() override;

private:
    std::string path;
};

// A file decoded once into memory and shared by every play.
class SoundMemory : public SoundData {
public:
    explicit SoundMemory(const std::string& path);
    ~SoundMemory() override;
    SoundMemory(const SoundMemory&) = delete;
    SoundMemory& operator=(const SoundMemory&) = delete;
    CorvaneAudio::SoundBase* load() override;

private:
    CorvaneAudio::Sample* sample = nullptr;
};
