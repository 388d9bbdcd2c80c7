// The stream thread refills buffer queues every 125 ms while the main thread
// starts, seeks, pans, stops and deletes streams. Run under ThreadSanitizer,
// any unguarded access shows up as a report (and a failing exit status of
// the child process that plays). OpenAL Soft locks internally on every call,
// which orders much of the traffic, so the read-only stretches matter.
#include "audio/decoder.h"
#include "audio/device.h"
#include "audio/stream.h"
#include "media/media.h"
#include "support/audio_capture.h"
#include "support/audio_fixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

using CorvaneAudio::SoundStream;

const unsigned rate = 22050;

TEST(AudioStreamThread, MainThreadOperationsRaceNoRefill)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    CaptureDir dir("stream_thread");
    EXPECT_EXIT(run_and_exit([&] {
                    use_audio_backend("null");
                    WavLayout layout;
                    layout.channels = 2;
                    layout.rate = rate;
                    std::vector<short> tone = sine_samples(2 * rate + 333, 2, rate, 441, 0.4);
                    dir.write("tone.wav", make_wav(layout, tone));
                    dir.write("tone.ogg", make_ogg(tone, 2, rate));
                    const std::string files[] = {dir.file("tone.wav"), dir.file("tone.ogg")};

                    Media media;
                    child_check(CorvaneAudio::is_audio_open(), "the null device opens");
                    std::mt19937 random(7);
                    std::vector<std::unique_ptr<SoundStream>> streams;
                    for (int step = 0; step < 300; ++step) {
                        int action = int(random() % 8);
                        if (streams.size() < 2 || action == 0) {
                            streams.emplace_back(new SoundStream(CorvaneAudio::create_decoder(files[step % 2])));
                            streams.back()->set_loop(step % 3 != 0);
                            streams.back()->play();
                            continue;
                        }
                        SoundStream& stream = *streams[random() % streams.size()];
                        switch (action) {
                        case 1: {
                            double to = double(random() % 190) / 100.0;
                            stream.set_playing_offset(to);
                            double at = stream.get_playing_offset();
                            child_check(stream.get_status() == 0 || std::abs(at - to) < 0.3, "position follows a seek");
                            break;
                        }
                        case 2:
                            stream.set_pan(double(int(random() % 201) - 100) / 100.0);
                            break;
                        case 3:
                            stream.stop();
                            stream.set_pan(0.5);
                            break;
                        case 4:
                            streams.erase(streams.begin() + long(random() % streams.size()));
                            break;
                        case 5:
                            // Only reads for a while, so nothing else orders them after the refills.
                            for (int i = 0; i < 30; ++i) {
                                for (auto& watched : streams) {
                                    watched->get_playing_offset();
                                    watched->get_status();
                                }
                                sleep_seconds(0.002);
                            }
                            break;
                        case 6:
                            // The channel layer on the same device, music-style.
                            media.play(files[step % 2], 4, 0);
                            media.set_channel_pan(4, double(int(random() % 201) - 100));
                            break;
                        default:
                            media.stop_channel(4);
                            break;
                        }
                        sleep_seconds(0.005);
                    }
                    streams.clear();
                }),
                testing::ExitedWithCode(0), "");
}

} // namespace
