#include "audio/wav_decoder.h"

#include <algorithm>
#include <cstring>

namespace CorvaneAudio {

namespace {

uint32_t read_u32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

unsigned read_u16(const unsigned char* p) { return unsigned(p[0]) | unsigned(p[1]) << 8; }

} // namespace

WavDecoder::WavDecoder(std::FILE* stream, const std::string& name) : file(stream)
{
    if (file == nullptr) {
        std::fprintf(stderr, "Invalid file: %s\n", name.c_str());
        return;
    }
    unsigned char header[12];
    if (std::fread(header, 1, 12, file) != 12 || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0) {
        std::fprintf(stderr, "Invalid header: %s\n", name.c_str());
        return;
    }
    valid = read_chunks(name);
    if (!valid)
        return;
    // A data chunk that claims more than the file holds is cut to what is
    // there, so the sample count and every position stay truthful.
    std::fseek(file, 0, SEEK_END);
    long end = std::ftell(file);
    data_size = std::min<uint64_t>(data_size, uint64_t(std::max(end - data_start, 0L)));
    bytes_remaining = data_size;
    total_samples = static_cast<unsigned long>(data_size / 2);
    std::fseek(file, data_start, SEEK_SET);
}

WavDecoder::~WavDecoder()
{
    if (file != nullptr)
        std::fclose(file);
}

bool WavDecoder::read_chunks(const std::string& name)
{
    bool have_format = false;
    unsigned char chunk[8];
    while (std::fread(chunk, 1, 8, file) == 8) {
        uint64_t size = read_u32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size > 15) {
            if (!read_format(name))
                return false;
            have_format = true;
            size -= 16;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // Without the format before it the samples cannot be played.
            if (!have_format) {
                std::fprintf(stderr, "Invalid header: %s\n", name.c_str());
                return false;
            }
            data_start = std::ftell(file);
            data_size = size;
            return true;
        }
        // Chunks are padded to an even size.
        uint64_t skip = size + (read_u32(chunk + 4) & 1);
        if (std::fseek(file, long(skip), SEEK_CUR) != 0)
            return false;
    }
    return false;
}

bool WavDecoder::read_format(const std::string& name)
{
    unsigned char format[16];
    if (std::fread(format, 1, 16, file) != 16)
        return false;
    unsigned tag = read_u16(format);
    if (tag != 1 && tag != 3) {
        std::fprintf(stderr, "Invalid type: %s\n", name.c_str());
        return false;
    }
    channels = int(read_u16(format + 2));
    sample_rate = int(read_u32(format + 4) & 0x7fffffff);
    block_align = read_u16(format + 12);
    bits_per_sample = read_u16(format + 14);
    if (block_align == 0) {
        std::fprintf(stderr, "Invalid blockalign: %s\n", name.c_str());
        return false;
    }
    if (bits_per_sample != 16) {
        std::fprintf(stderr, "Invalid sample size: %s\n", name.c_str());
        return false;
    }
    if (channels == 0 || sample_rate == 0) {
        std::fprintf(stderr, "Invalid format: %s\n", name.c_str());
        return false;
    }
    return true;
}

bool WavDecoder::is_valid() { return valid; }

unsigned long WavDecoder::read(short* data, unsigned long samples)
{
    if (!valid)
        return 0;
    uint64_t bytes = std::min<uint64_t>(bytes_remaining, uint64_t(samples) * 2);
    bytes -= bytes % block_align;
    size_t got = std::fread(data, 1, size_t(bytes), file);
    bytes_remaining -= got;
    return static_cast<unsigned long>(got / 2);
}

void WavDecoder::seek(double seconds)
{
    if (!valid)
        return;
    // Whole blocks only: a position inside a block would swap the channels
    // or split a sample.
    double wanted = double(channels) * sample_rate * std::max(seconds, 0.0) * 2;
    uint64_t offset = wanted >= double(data_size) ? data_size : uint64_t(wanted);
    offset -= offset % block_align;
    bytes_remaining = data_size - offset;
    std::fseek(file, data_start + long(offset), SEEK_SET);
}

} // namespace CorvaneAudio
