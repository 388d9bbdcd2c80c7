#include "audio/decoder.h"
#include "audio/wav_decoder.h"
#include "support/audio_fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>

using CorvaneAudio::create_decoder;
using CorvaneAudio::SoundDecoder;

namespace {

std::unique_ptr<SoundDecoder> decode(const std::string& path, std::string* messages)
{
    testing::internal::CaptureStderr();
    std::unique_ptr<SoundDecoder> decoder(create_decoder(path));
    *messages = testing::internal::GetCapturedStderr();
    return decoder;
}

std::vector<short> read_all(SoundDecoder& decoder)
{
    std::vector<short> out;
    short piece[1000];
    while (unsigned long got = decoder.read(piece, 1000))
        out.insert(out.end(), piece, piece + got);
    return out;
}

struct WavCase {
    const char* name;
    WavLayout layout;
    // Empty when the file must load.
    const char* message;
};

WavLayout layout_with(void (*change)(WavLayout&))
{
    WavLayout layout;
    change(layout);
    return layout;
}

const WavCase wav_cases[] = {
    {"mono", WavLayout(), ""},
    {"stereo", layout_with([](WavLayout& l) { l.channels = 2; }), ""},
    {"list_before_format", layout_with([](WavLayout& l) { l.list_before_format = true; }), ""},
    {"eight_bit", layout_with([](WavLayout& l) { l.bits = 8; }), "Invalid sample size: "},
    {"float", layout_with([](WavLayout& l) { l.format_tag = 3, l.bits = 32; }), "Invalid sample size: "},
    {"adpcm", layout_with([](WavLayout& l) { l.format_tag = 2; }), "Invalid type: "},
    {"zero_block_align", layout_with([](WavLayout& l) { l.block_align_zero = true; }), "Invalid blockalign: "},
    {"no_channels", layout_with([](WavLayout& l) { l.channels = 0, l.block_align = 2; }), "Invalid format: "},
    {"no_data", layout_with([](WavLayout& l) { l.with_data = false; }), "Could not load sound '"},
    {"data_before_format", layout_with([](WavLayout& l) { l.data_before_format = true; }), "Invalid header: "},
};

class WavDecoding : public testing::TestWithParam<WavCase> {};

TEST_P(WavDecoding, LoadsOrExplains)
{
    const WavCase& c = GetParam();
    const unsigned frames = 3000;
    unsigned channels = c.layout.channels == 0 ? 1 : c.layout.channels;
    std::vector<short> samples = counting_samples(frames, channels);
    TempDir dir;
    std::string path = dir.write(std::string(c.name) + ".wav", make_wav(c.layout, samples));

    std::string messages;
    std::unique_ptr<SoundDecoder> decoder = decode(path, &messages);
    if (std::string(c.message).empty()) {
        ASSERT_NE(decoder, nullptr) << messages;
        EXPECT_EQ(messages, "");
        EXPECT_EQ(decoder->channels, int(c.layout.channels));
        EXPECT_EQ(decoder->sample_rate, int(c.layout.rate));
        EXPECT_EQ(decoder->total_samples, samples.size());
        EXPECT_EQ(read_all(*decoder), samples);
    } else {
        EXPECT_EQ(decoder, nullptr);
        EXPECT_NE(messages.find(std::string(c.message) + path), std::string::npos) << messages;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, WavDecoding, testing::ValuesIn(wav_cases),
                         [](const testing::TestParamInfo<WavCase>& info) { return info.param.name; });

TEST(WavDecoder, TruncatedDataGivesTheSamplesPresent)
{
    WavLayout layout;
    layout.truncate = 1000;
    std::vector<short> samples = counting_samples(2000, 1);
    TempDir dir;
    std::string path = dir.write("cut.wav", make_wav(layout, samples));
    std::string messages;
    std::unique_ptr<SoundDecoder> decoder = decode(path, &messages);
    ASSERT_NE(decoder, nullptr);
    std::vector<short> present(samples.begin(), samples.end() - 500);
    EXPECT_EQ(decoder->total_samples, present.size());
    EXPECT_EQ(read_all(*decoder), present);
}

TEST(WavDecoder, SeekLandsOnWholeFrames)
{
    WavLayout layout;
    layout.channels = 2;
    layout.rate = 1000;
    std::vector<short> samples = counting_samples(4000, 2);
    TempDir dir;
    std::string path = dir.write("seek.wav", make_wav(layout, samples));
    std::string messages;
    std::unique_ptr<SoundDecoder> decoder = decode(path, &messages);
    ASSERT_NE(decoder, nullptr);

    // (seconds, first frame read): 1.0005 s is half a frame past 1000.
    const std::pair<double, short> cases[] = {{1.0, 1000}, {2.5, 2500}, {1.0005, 1000}, {1.00025, 1000}, {0.0, 0}};
    for (const auto& [seconds, frame] : cases) {
        decoder->seek(seconds);
        short first[2] = {};
        ASSERT_EQ(decoder->read(first, 2), 2UL) << seconds;
        EXPECT_EQ(first[0], frame) << seconds;
        EXPECT_EQ(first[1], short(-frame)) << seconds;
    }
    decoder->seek(10.0);
    short rest[2];
    EXPECT_EQ(decoder->read(rest, 2), 0UL);
    decoder->seek(3.999);
    EXPECT_EQ(read_all(*decoder).size(), 2UL);
}

TEST(WavDecoder, ReadsFromMemory)
{
    std::vector<short> samples = counting_samples(100, 1);
    std::string bytes = make_wav(WavLayout(), samples);
    CorvaneAudio::WavDecoder decoder(fmemopen(bytes.data(), bytes.size(), "rb"), "memory");
    ASSERT_TRUE(decoder.is_valid());
    EXPECT_EQ(read_all(decoder), samples);
}

struct NameCase {
    const char* file;
    bool loads;
    const char* message;
};

TEST(CreateDecoder, ChoosesByTheFileNamesExtension)
{
    const std::string wav = make_wav(WavLayout(), counting_samples(10, 1));
    const NameCase cases[] = {
        {"plain", true, ""},
        {"dotted.dir/plain", true, ""},
        {"LOUD.WAV", true, ""},
        {"notes.txt", false, "No decoder available for "},
        {"wrong.ogg", false, "Could not load sound '"},
        {"missing.wav", false, "Invalid file: "},
    };
    TempDir dir;
    for (const NameCase& c : cases) {
        std::string path = dir.path + "/" + c.file;
        if (std::string(c.file) != "missing.wav")
            dir.write(c.file, wav);
        std::string messages;
        std::unique_ptr<SoundDecoder> decoder = decode(path, &messages);
        EXPECT_EQ(decoder != nullptr, c.loads) << c.file;
        if (!c.loads) {
            EXPECT_NE(messages.find(std::string(c.message) + path), std::string::npos) << messages;
        }
    }
}

} // namespace
