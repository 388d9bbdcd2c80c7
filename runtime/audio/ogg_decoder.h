#pragma once

#include "audio/decoder.h"

#include <cstdio>
#include <vorbis/vorbisfile.h>

namespace CorvaneAudio {

// Ogg Vorbis through vorbisfile, from a file or memory stream (fmemopen)
// that the decoder owns and closes.
class OggDecoder : public SoundDecoder {
public:
    explicit OggDecoder(std::FILE* stream);
    ~OggDecoder() override;
    bool is_valid() override;
    unsigned long read(short* data, unsigned long samples) override;
    void seek(double seconds) override;

private:
    std::FILE* file;
    OggVorbis_File vorbis;
    bool opened = false;
    bool valid = false;
};

} // namespace CorvaneAudio
