// What the sound manager actually sends to the device, read back from OpenAL
// Soft's wave-file output. Each case plays in a child process (see
// support/audio_capture.h) and the parent examines the written samples.
#include "media/media.h"
#include "media/sound_data.h"
#include "support/audio_capture.h"
#include "support/audio_fixtures.h"

#include <gtest/gtest.h>

namespace {

const unsigned rate = 44100;

class MediaOutput : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }

    // Plays `body` against a wave-file device in a child and returns what it wrote.
    Capture play_to_wave(const CaptureDir& dir, const std::function<void(Media&)>& body)
    {
        const std::string out = dir.file("out.wav");
        EXPECT_EXIT(run_and_exit([&] {
                        use_audio_backend("wave", out);
                        Media media;
                        body(media);
                    }),
                    testing::ExitedWithCode(0), "");
        return read_capture(out);
    }
};

std::string tone_wav(double seconds, unsigned channels, double amplitude)
{
    WavLayout layout;
    layout.channels = channels;
    layout.rate = rate;
    return make_wav(layout, sine_samples(unsigned(seconds * rate), channels, rate, 441, amplitude));
}

// Death tests re-run the whole test in the child, so each case is a test of
// its own rather than a loop.
class PanOutput : public MediaOutput, public testing::WithParamInterface<bool> {};

TEST_P(PanOutput, StereoPannedFullyRightSilencesTheLeft)
{
    const bool streamed = GetParam();
    CaptureDir dir(streamed ? "pan_stream" : "pan_sample");
    Capture out = play_to_wave(dir, [&](Media& media) {
        dir.write("tone.wav", tone_wav(0.6, 2, 0.5));
        media.set_channel_pan(3, 100);
        if (streamed) {
            media.play(dir.file("tone.wav"), 3, 1);
            wait_while_playing(media, 3, 2.0);
            return;
        }
        SoundMemory tone(dir.file("tone.wav"));
        media.play(&tone, 3, 1);
        wait_while_playing(media, 3, 2.0);
        media.stop_channel(3);
    });
    ASSERT_EQ(out.channels, 2u);
    EXPECT_GT(out.peak(1, 0, out.frames()), 0.4f);
    EXPECT_EQ(out.peak(0, 0, out.frames()), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(SampleAndStream, PanOutput, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "stream" : "sample"; });

TEST_F(MediaOutput, VolumeFiftyHalvesTheAmplitude)
{
    CaptureDir dir("volume");
    Capture out = play_to_wave(dir, [&](Media& media) {
        dir.write("tone.wav", tone_wav(0.3, 1, 0.8));
        SoundMemory tone(dir.file("tone.wav"));
        media.play(&tone, 2, 1);
        wait_while_playing(media, 2, 2.0);
        sleep_seconds(0.1);
        // Set while the channel is idle: it must reach the next sound.
        media.set_channel_volume(2, 50);
        media.play(&tone, 2, 1);
        wait_while_playing(media, 2, 2.0);
        media.stop_channel(2);
    });
    const size_t burst = size_t(0.3 * rate);
    size_t first = out.first_sound(1e-3f);
    size_t second = out.first_sound(1e-3f, first + burst + 100);
    ASSERT_LT(second, out.frames());
    float loud = out.peak(0, first, first + burst);
    float soft = out.peak(0, second, second + burst);
    EXPECT_GT(loud, 0.2f);
    EXPECT_NEAR(soft / loud, 0.5, 0.02);
}

// 1 s fills the one-second buffers exactly; 1.5 s ends in a part-filled one.
class LoopOutput : public MediaOutput, public testing::WithParamInterface<double> {};

TEST_P(LoopOutput, LoopingStreamHasNoGap)
{
    const double length = GetParam();
    CaptureDir dir("loop");
    Capture out = play_to_wave(dir, [&](Media& media) {
        dir.write("loop.wav", tone_wav(length, 2, 0.5));
        media.play(dir.file("loop.wav"), 4, 0);
        sleep_seconds(3.8);
        media.stop_channel(4);
    });
    size_t start = out.first_sound(1e-3f);
    size_t end = start + size_t(3.3 * rate);
    ASSERT_LT(end, out.frames());
    // A 441 Hz sine at half scale is never near zero for more than a frame or two.
    EXPECT_LT(out.longest_quiet(0.01f, start, end), 8u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, LoopOutput, testing::Values(1.0, 1.5),
                         [](const testing::TestParamInfo<double>& info) {
                             return info.param == 1.0 ? "whole_seconds" : "part_second";
                         });

TEST_F(MediaOutput, EighteenthEffectOfASeventeenChannelRotationStopsTheFirst)
{
    CaptureDir dir("rotation");
    Capture out = play_to_wave(dir, [&](Media& media) {
        dir.write("hum.wav", tone_wav(0.5, 1, 0.6));
        dir.write("blip.wav", tone_wav(0.05, 1, 0.1));
        SoundMemory hum(dir.file("hum.wav"));
        SoundMemory blip(dir.file("blip.wav"));
        int channel = 5;
        for (int effect = 1; effect <= 18; ++effect) {
            // The first effect hums for ever unless something stops it.
            media.play(effect == 1 ? &hum : &blip, channel, effect == 1 ? 0 : 1);
            channel = 5 + (channel - 5 + 1) % 17;
            sleep_seconds(effect == 1 ? 0.4 : 0.02);
        }
        child_check(channel == 6, "the rotation wrapped onto channel 5");
        sleep_seconds(0.5);
        child_check(!media.is_channel_playing(5), "channel 5 is idle after the last effect");
        media.stop_samples();
    });
    size_t start = out.first_sound(1e-3f);
    ASSERT_LT(start, out.frames());
    EXPECT_GT(out.peak(0, start, start + size_t(0.3 * rate)), 0.3f);
    // The last stretch before the device closed holds neither hum nor blips.
    size_t tail = out.frames() - size_t(0.2 * rate);
    EXPECT_LT(out.peak(0, tail, out.frames()), 1e-3f);
}

TEST_F(MediaOutput, FrequencyZeroReturnsToTheFilesRate)
{
    CaptureDir dir("frequency");
    Capture out = play_to_wave(dir, [&](Media& media) {
        dir.write("tone.wav", tone_wav(0.5, 1, 0.5));
        SoundMemory tone(dir.file("tone.wav"));
        media.set_channel_frequency(1, 22050);
        media.play(&tone, 1, 0);
        sleep_seconds(0.6);
        media.set_channel_frequency(1, 0);
        sleep_seconds(0.6);
        media.stop_channel(1);
    });
    size_t start = out.first_sound(1e-3f);
    const size_t window = size_t(0.3 * rate);
    size_t slow = out.crossings(0, start + size_t(0.1 * rate), start + size_t(0.1 * rate) + window);
    size_t normal = out.crossings(0, start + size_t(0.8 * rate), start + size_t(0.8 * rate) + window);
    // 441 Hz crosses zero 882 times a second; at half the rate 441 times.
    EXPECT_NEAR(double(slow), 0.3 * 441, 10);
    EXPECT_NEAR(double(normal), 0.3 * 882, 10);
}

} // namespace
