// Arbitrary bytes through the WAV decoder: open, read everything, seek, read again.
#include "audio/wav_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::vector<uint8_t> bytes(data, data + size);
    CorvaneAudio::WavDecoder decoder(fmemopen(bytes.data(), bytes.size(), "rb"), "fuzz input");
    short piece[4096];
    while (decoder.read(piece, 4096) > 0) {
    }
    decoder.seek(0.37);
    decoder.read(piece, 4096);
    decoder.seek(-1.0);
    decoder.read(piece, 4096);
    return 0;
}
