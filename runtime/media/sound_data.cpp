#include "media/sound_data.h"

#include "audio/decoder.h"
#include "audio/sample.h"
#include "audio/stream.h"

SoundFile::SoundFile(const std::string& path) : path(path) {}

CorvaneAudio::SoundBase* SoundFile::load()
{
    CorvaneAudio::SoundDecoder* decoder = CorvaneAudio::create_decoder(path);
    if (decoder == nullptr)
        return nullptr;
    return new CorvaneAudio::SoundStream(decoder);
}

SoundMemory::SoundMemory(const std::string& path)
{
    CorvaneAudio::SoundDecoder* decoder = CorvaneAudio::create_decoder(path);
    if (decoder != nullptr)
        sample = new CorvaneAudio::Sample(decoder);
}

SoundMemory::~SoundMemory() { delete sample; }

CorvaneAudio::SoundBase* SoundMemory::load()
{
    if (sample == nullptr)
        return nullptr;
    return new CorvaneAudio::Sound(sample);
}
