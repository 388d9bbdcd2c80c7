#include "support/audio_fixtures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vorbis/vorbisenc.h>

namespace {

void put_u32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(char((v >> (8 * i)) & 0xff));
}

void put_u16(std::string& out, unsigned v)
{
    out.push_back(char(v & 0xff));
    out.push_back(char((v >> 8) & 0xff));
}

void put_chunk(std::string& out, const char* id, const std::string& body, uint32_t declared)
{
    out.append(id, 4);
    put_u32(out, declared);
    out += body;
    if (body.size() % 2 != 0)
        out.push_back('\0');
}

} // namespace

std::string make_wav(const WavLayout& layout, const std::vector<short>& samples)
{
    std::string format;
    put_u16(format, layout.format_tag);
    put_u16(format, layout.channels);
    put_u32(format, layout.rate);
    unsigned align = layout.block_align_zero   ? 0
                     : layout.block_align != 0 ? layout.block_align
                                               : layout.channels * layout.bits / 8;
    put_u32(format, layout.rate * align);
    put_u16(format, align);
    put_u16(format, layout.bits);

    std::string data(reinterpret_cast<const char*>(samples.data()), samples.size() * sizeof(short));
    uint32_t declared = uint32_t(data.size());
    data.resize(data.size() - layout.truncate);

    std::string chunks;
    if (layout.list_before_format)
        put_chunk(chunks, "LIST", std::string("INFOISFT\5\0\0\0Tool\0", 17), 17);
    if (layout.data_before_format && layout.with_data)
        put_chunk(chunks, "data", data, declared);
    put_chunk(chunks, "fmt ", format, 16);
    if (!layout.data_before_format && layout.with_data) {
        if (layout.truncate != 0) {
            // A cut file ends inside the data chunk: no pad byte after it.
            chunks += "data";
            put_u32(chunks, declared);
            chunks += data;
        } else {
            put_chunk(chunks, "data", data, declared);
        }
    }
    std::string file = "RIFF";
    put_u32(file, uint32_t(4 + chunks.size()));
    return file + "WAVE" + chunks;
}

std::vector<short> counting_samples(unsigned frames, unsigned channels)
{
    std::vector<short> samples;
    for (unsigned f = 0; f < frames; ++f)
        for (unsigned c = 0; c < channels; ++c)
            samples.push_back(short(c % 2 == 0 ? int(f % 32768) : -int(f % 32768)));
    return samples;
}

std::vector<short> sine_samples(unsigned frames, unsigned channels, unsigned rate, double hz, double amplitude)
{
    const double pi = std::acos(-1.0);
    std::vector<short> samples;
    for (unsigned f = 0; f < frames; ++f) {
        short v = short(std::lround(32767.0 * amplitude * std::sin(2 * pi * hz * f / rate)));
        for (unsigned c = 0; c < channels; ++c)
            samples.push_back(v);
    }
    return samples;
}

std::string make_ogg(const std::vector<short>& samples, unsigned channels, unsigned rate)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, long(channels), long(rate), 0.5f) != 0)
        throw std::runtime_error("vorbis_encode_init_vbr failed");
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);

    std::string out;
    ogg_page page;
    auto write_pages = [&](bool flush) {
        while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
            out.append(reinterpret_cast<char*>(page.header), size_t(page.header_len));
            out.append(reinterpret_cast<char*>(page.body), size_t(page.body_len));
        }
    };

    ogg_packet header, header_comment, header_code;
    vorbis_analysis_headerout(&dsp, &comment, &header, &header_comment, &header_code);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &header_comment);
    ogg_stream_packetin(&stream, &header_code);
    write_pages(true);

    auto encode_blocks = [&]() {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                write_pages(false);
            }
        }
    };
    const size_t frames = samples.size() / channels;
    const size_t piece = 1024;
    for (size_t start = 0; start < frames; start += piece) {
        size_t count = std::min(piece, frames - start);
        float** buffer = vorbis_analysis_buffer(&dsp, int(count));
        for (size_t f = 0; f < count; ++f)
            for (unsigned c = 0; c < channels; ++c)
                buffer[c][f] = samples[(start + f) * channels + c] / 32768.0f;
        vorbis_analysis_wrote(&dsp, int(count));
        encode_blocks();
    }
    vorbis_analysis_wrote(&dsp, 0);
    encode_blocks();
    write_pages(true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
