// Arbitrary bytes through the Ogg Vorbis decoder: open, read everything,
// seek, read again. Reads go through a fixed buffer, so a stream that claims
// an enormous length costs time, not memory.
#include "audio/ogg_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::vector<uint8_t> bytes(data, data + size);
    CorvaneAudio::OggDecoder decoder(fmemopen(bytes.data(), bytes.size(), "rb"));
    short piece[4096];
    while (decoder.read(piece, 4096) > 0) {
    }
    decoder.seek(0.37);
    decoder.read(piece, 4096);
    return 0;
}
