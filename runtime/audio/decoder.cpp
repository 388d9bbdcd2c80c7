#include "audio/decoder.h"

#include "audio/ogg_decoder.h"
#include "audio/wav_decoder.h"
#include "platform/strings.h"

#include <cstdio>

namespace CorvaneAudio {

namespace {

// The extension belongs to the file name only: a dot in a directory name
// ("./World", "~/.local") says nothing about the format.
std::string extension_of(const std::string& path)
{
    std::string::size_type slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos)
        return "wav";
    return to_lower(name.substr(dot + 1));
}

} // namespace

SoundDecoder* create_decoder(const std::string& path)
{
    std::string extension = extension_of(path);
    SoundDecoder* decoder = nullptr;
    if (extension == "wav") {
        decoder = new WavDecoder(std::fopen(path.c_str(), "rb"), path);
    } else if (extension == "ogg") {
        decoder = new OggDecoder(std::fopen(path.c_str(), "rb"));
    } else {
        std::fprintf(stderr, "No decoder available for %s\n", path.c_str());
        return nullptr;
    }
    if (!decoder->is_valid()) {
        std::fprintf(stderr, "Could not load sound '%s'\n", path.c_str());
        delete decoder;
        return nullptr;
    }
    return decoder;
}

} // namespace CorvaneAudio
