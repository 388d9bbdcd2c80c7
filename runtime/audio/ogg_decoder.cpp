#include "audio/ogg_decoder.h"

#include <algorithm>

namespace CorvaneAudio {

namespace {

size_t read_stream(void* data, size_t size, size_t count, void* stream)
{
    return std::fread(data, size, count, static_cast<std::FILE*>(stream));
}

int seek_stream(void* stream, ogg_int64_t offset, int whence)
{
    return std::fseek(static_cast<std::FILE*>(stream), long(offset), whence);
}

long tell_stream(void* stream) { return std::ftell(static_cast<std::FILE*>(stream)); }

// The decoder closes the stream itself, so vorbisfile gets no close call.
const ov_callbacks stream_callbacks = {read_stream, seek_stream, nullptr, tell_stream};

} // namespace

OggDecoder::OggDecoder(std::FILE* stream) : file(stream)
{
    if (file == nullptr)
        return;
    opened = ov_open_callbacks(file, &vorbis, nullptr, 0, stream_callbacks) == 0;
    if (!opened)
        return;
    vorbis_info* info = ov_info(&vorbis, -1);
    ogg_int64_t length = ov_pcm_total(&vorbis, -1);
    if (info == nullptr || info->channels <= 0 || info->rate <= 0 || length < 0)
        return;
    channels = info->channels;
    sample_rate = int(info->rate);
    total_samples = static_cast<unsigned long>(length * channels);
    valid = true;
}

OggDecoder::~OggDecoder()
{
    if (opened)
        ov_clear(&vorbis);
    if (file != nullptr)
        std::fclose(file);
}

bool OggDecoder::is_valid() { return valid; }

unsigned long OggDecoder::read(short* data, unsigned long samples)
{
    if (!valid)
        return 0;
    char* out = reinterpret_cast<char*>(data);
    unsigned long wanted = samples * 2;
    unsigned long done = 0;
    while (done < wanted) {
        int section = 0;
        long got = ov_read(&vorbis, out + done, int(std::min(wanted - done, 1UL << 20)), 0, 2, 1, &section);
        if (got <= 0)
            break;
        done += static_cast<unsigned long>(got);
    }
    return done / 2;
}

void OggDecoder::seek(double seconds)
{
    if (valid && ov_time_seek(&vorbis, seconds) != 0)
        std::fprintf(stderr, "Seek failed\n");
}

} // namespace CorvaneAudio
