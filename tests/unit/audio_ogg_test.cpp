#include "audio/decoder.h"
#include "audio/ogg_decoder.h"
#include "support/audio_fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>

using CorvaneAudio::create_decoder;
using CorvaneAudio::SoundDecoder;

namespace {

const unsigned rate = 22050;

std::vector<short> read_all(SoundDecoder& decoder)
{
    std::vector<short> out;
    short piece[4096];
    while (unsigned long got = decoder.read(piece, 4096))
        out.insert(out.end(), piece, piece + got);
    return out;
}

// Two seconds of stereo: a tone on the left, silence on the right.
std::vector<short> source_samples()
{
    std::vector<short> tone = sine_samples(2 * rate, 2, rate, 441, 0.5);
    for (size_t i = 1; i < tone.size(); i += 2)
        tone[i] = 0;
    return tone;
}

class OggFile : public testing::Test {
protected:
    void SetUp() override
    {
        samples = source_samples();
        bytes = make_ogg(samples, 2, rate);
        path = dir.write("tone.ogg", bytes);
    }

    TempDir dir;
    std::vector<short> samples;
    std::string bytes;
    std::string path;
};

TEST_F(OggFile, DecodesTheEncodedSound)
{
    std::unique_ptr<SoundDecoder> decoder(create_decoder(path));
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->channels, 2);
    EXPECT_EQ(decoder->sample_rate, int(rate));
    EXPECT_EQ(decoder->total_samples, samples.size());
    std::vector<short> decoded = read_all(*decoder);
    ASSERT_EQ(decoded.size(), samples.size());
    // Lossy, so compare loudness per channel rather than values.
    double left = 0, right = 0, error = 0;
    for (size_t i = 0; i < decoded.size(); i += 2) {
        left += std::abs(decoded[i]);
        right += std::abs(decoded[i + 1]);
        error += std::abs(decoded[i] - samples[i]);
    }
    EXPECT_GT(left, 100 * right);
    EXPECT_LT(error, 0.1 * left);
}

TEST_F(OggFile, SeekContinuesFromTheTime)
{
    std::unique_ptr<SoundDecoder> decoder(create_decoder(path));
    ASSERT_NE(decoder, nullptr);
    std::vector<short> whole = read_all(*decoder);
    for (double seconds : {1.5, 0.25, 0.0}) {
        decoder->seek(seconds);
        std::vector<short> rest = read_all(*decoder);
        size_t skipped = size_t(seconds * rate) * 2;
        ASSERT_EQ(rest.size(), whole.size() - skipped) << seconds;
        int worst = 0;
        for (size_t i = 0; i < rest.size(); ++i)
            worst = std::max(worst, std::abs(rest[i] - whole[skipped + i]));
        EXPECT_LE(worst, 2) << seconds;
    }
}

TEST_F(OggFile, CorruptFilesDoNotLoad)
{
    std::string garbled = bytes;
    // Inside the identification header: the stream no longer parses.
    for (size_t i = 30; i < 60; ++i)
        garbled[i] = char(i * 37);
    const std::pair<const char*, std::string> cases[] = {
        {"garbled.ogg", garbled},
        {"text.ogg", "OggS and then nothing sensible at all"},
        {"empty.ogg", ""},
    };
    for (const auto& [name, contents] : cases) {
        std::string file = dir.write(name, contents);
        testing::internal::CaptureStderr();
        std::unique_ptr<SoundDecoder> decoder(create_decoder(file));
        std::string messages = testing::internal::GetCapturedStderr();
        EXPECT_EQ(decoder, nullptr) << name;
        EXPECT_NE(messages.find("Could not load sound '" + file + "'"), std::string::npos) << messages;
    }
}

TEST_F(OggFile, ReadsFromMemory)
{
    CorvaneAudio::OggDecoder decoder(fmemopen(bytes.data(), bytes.size(), "rb"));
    ASSERT_TRUE(decoder.is_valid());
    EXPECT_EQ(read_all(decoder).size(), samples.size());
}

} // namespace
