#pragma once

#include "audio/decoder.h"

#include <cstdint>
#include <cstdio>

namespace CorvaneAudio {

// 16-bit PCM RIFF/WAVE read directly from a stream. The stream may be a file
// or memory (fmemopen); the decoder owns it and closes it.
class WavDecoder : public SoundDecoder {
public:
    // `name` is only used in messages. A null stream is reported as an
    // invalid file.
    WavDecoder(std::FILE* stream, const std::string& name);
    ~WavDecoder() override;
    bool is_valid() override;
    unsigned long read(short* data, unsigned long samples) override;
    void seek(double seconds) override;

private:
    bool read_chunks(const std::string& name);
    bool read_format(const std::string& name);

    std::FILE* file;
    bool valid = false;
    long data_start = 0;
    uint64_t data_size = 0;
    uint64_t bytes_remaining = 0;
    unsigned block_align = 0;
    unsigned bits_per_sample = 0;
};

} // namespace CorvaneAudio
