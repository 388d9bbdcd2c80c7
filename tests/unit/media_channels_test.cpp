#include "media/media.h"
#include "support/audio_capture.h"
#include "support/audio_fixtures.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

class MediaDevice : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

std::string short_wav(double seconds)
{
    WavLayout layout;
    layout.rate = 44100;
    return make_wav(layout, sine_samples(unsigned(seconds * 44100), 1, 44100, 441, 0.5));
}

TEST_F(MediaDevice, WithoutADeviceTheGameGoesOnInSilence)
{
    CaptureDir dir("no_device");
    EXPECT_EXIT(run_and_exit([&] {
                    use_audio_backend("no-such-backend");
                    dir.write("Select.wav", short_wav(0.2));
                    auto start = std::chrono::steady_clock::now();
                    Media media;
                    media.set_sounds_path(dir.path);
                    media.play_name("Select", 5, 1);
                    media.play(dir.file("Select.wav"), 4, 0);
                    media.set_channel_volume(5, 40);
                    media.set_channel_pan(5, -100);
                    child_check(!media.is_channel_playing(5) && !media.is_channel_playing(4), "nothing plays");
                    child_check(media.get_channel_volume(5) == 40, "the channel keeps its volume");
                    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
                    child_check(took.count() < 0.5, "set-up without a device is quick");
                }),
                testing::ExitedWithCode(0), "Device open failed");
}

TEST_F(MediaDevice, FilesUpToHalfAMebibyteAreKeptInMemory)
{
    CaptureDir dir("memory_rule");
    EXPECT_EXIT(run_and_exit([&] {
                    use_audio_backend("null");
                    // Both a little under six seconds; "Erase" is one byte past the limit.
                    std::string exact = short_wav(0);
                    unsigned frames = unsigned((Media::memory_limit - exact.size()) / 2);
                    WavLayout layout;
                    layout.rate = 44100;
                    exact = make_wav(layout, sine_samples(frames, 1, 44100, 441, 0.5));
                    child_check(long(exact.size()) == Media::memory_limit, "fixture size");
                    dir.write("Select.wav", exact);
                    dir.write("Erase.wav", exact + '\0');

                    Media media;
                    media.set_sounds_path(dir.path);
                    media.play_name("Select", 0, 1);
                    media.play_name("Erase", 1, 1);
                    child_check(media.is_channel_playing(0) && media.is_channel_playing(1), "both files play");
                    std::remove(dir.file("Select.wav").c_str());
                    std::remove(dir.file("Erase.wav").c_str());
                    media.play_name("Select", 0, 1);
                    media.play_name("Erase", 1, 1);
                    child_check(media.is_channel_playing(0), "the cached sound plays without its file");
                    child_check(!media.is_channel_playing(1), "the streamed sound needs its file");
                }),
                testing::ExitedWithCode(0), "Could not load sound '.*Erase.wav'");
}

TEST_F(MediaDevice, LoopCountsAboveOneWarnAndPlayOnce)
{
    CaptureDir dir("loops");
    EXPECT_EXIT(run_and_exit([&] {
                    use_audio_backend("null");
                    dir.write("Select.wav", short_wav(0.2));
                    Media media;
                    media.set_sounds_path(dir.path);
                    testing::internal::CaptureStdout();
                    media.play_name("Select", 7, 2);
                    media.play_name("Select", 8, 0);
                    std::string printed = testing::internal::GetCapturedStdout();
                    child_check(printed == "Invalid number of loops (2)\n", "message: " + printed);
                    sleep_seconds(0.5);
                    child_check(!media.is_channel_playing(7), "count 2 plays once");
                    child_check(media.is_channel_playing(8), "count 0 plays on");
                }),
                testing::ExitedWithCode(0), "");
}

TEST_F(MediaDevice, FreeChannelSearchSkipsBusyChannels)
{
    CaptureDir dir("free_channel");
    EXPECT_EXIT(run_and_exit([&] {
                    use_audio_backend("null");
                    dir.write("Select.wav", short_wav(2.0));
                    Media media;
                    media.set_sounds_path(dir.path);
                    media.play_name("Select", 0, 1);
                    media.play_name("Select", -1, 1);
                    child_check(media.is_channel_playing(1), "-1 takes the first idle channel");
                    for (int i = 2; i < Media::channel_count; ++i)
                        media.play_name("Select", -1, 1);
                    child_check(media.is_channel_playing(31), "all channels busy");
                    media.stop_channel(31);
                    media.stop_channel(30);
                    media.play_name("Select", -1, 1);
                    child_check(media.is_channel_playing(30) && !media.is_channel_playing(31),
                                "the first idle channel is used");
                }),
                testing::ExitedWithCode(0), "");
}

TEST(MediaChannels, VolumesAreClampedAndBadIndicesIgnored)
{
    // No device is needed for the stored values; the backend here is whatever the machine has.
    Media media;
    EXPECT_EQ(media.get_channel_volume(0), 100.0);
    const std::pair<double, double> volumes[] = {{150, 100}, {-10, 0}, {37.5, 37.5}};
    for (const auto& [given, stored] : volumes) {
        media.set_channel_volume(9, given);
        EXPECT_EQ(media.get_channel_volume(9), stored) << given;
    }
    for (int bad : {32, 40, -1, -2}) {
        media.set_channel_volume(bad, 20);
        media.set_channel_pan(bad, 20);
        media.set_channel_frequency(bad, 20);
        media.stop_channel(bad);
        EXPECT_FALSE(media.is_channel_valid(bad)) << bad;
        EXPECT_FALSE(media.is_channel_playing(bad)) << bad;
        EXPECT_EQ(media.get_channel_volume(bad), 0.0) << bad;
    }
}

} // namespace
