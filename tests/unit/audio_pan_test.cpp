#include "audio/al_check.h"
#include "audio/device.h"
#include "audio/sound_base.h"
#include "support/audio_capture.h"

#include <gtest/gtest.h>

namespace {

using CorvaneAudio::get_pan_factor;

TEST(PanLaw, EndsAreExactAndGainHalvesEverySixHundredths)
{
    EXPECT_EQ(get_pan_factor(1.0), 1.0);
    EXPECT_EQ(get_pan_factor(0.0), 0.0);
    EXPECT_EQ(get_pan_factor(0.97), 1.0);
    for (double x : {0.9, 0.7, 0.5, 0.2})
        EXPECT_NEAR(get_pan_factor(x) / get_pan_factor(x - 0.06), 2.0, 1e-9) << x;
    // Half-way right leaves the left side almost silent.
    EXPECT_NEAR(get_pan_factor(0.5), 0.0049, 0.0001);
}

TEST(AlCheck, NamesTheFailingCallAndTheError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(run_and_exit([] {
                    use_audio_backend("null");
                    CorvaneAudio::open_audio();
                    const ALuint no_source = 4242;
                    AL_CHECK(alSourcePlay(no_source));
                    CorvaneAudio::close_audio();
                }),
                testing::ExitedWithCode(0),
                "An internal OpenAL call failed in audio_pan_test.cpp \\([0-9]+\\) : AL_INVALID_NAME, an "
                "unacceptable name has been specified");
}

} // namespace
