#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "media/media.h"
#include "movement_fixture.h"
#include "objects/objects.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

namespace {

FrameObject* request(Frame& frame) { return frame.get_instance(SoundValues_112::description().id); }

// Asks for an effect as the game's other parts do and gives the channel it
// went to.
int play_effect(Frame5& frame, const std::string& kind, const std::string& variant, double x = 400)
{
    FrameObject* values = request(frame);
    values->alterable_values->set(0, x);
    values->alterable_strings->set(0, kind);
    values->alterable_strings->set(1, variant);
    frame.run_loop("Sound", 1, [&frame] { frame.loop_sound(); });
    return static_cast<int>(values->alterable_values->get(4, 0)) - 1;
}

WorldData flat_ground()
{
    WorldData data;
    data.abilities = abilities_text({{"X Ground Limit", 512},
                                     {"X Ground Acceleration", 64},
                                     {"Y Gravity", 256},
                                     {"Y Fall Limit", 2048},
                                     {"Ignore Down Slope Detection Threshold", 600}});
    data.rows.assign(12, map_row());
    data.rows.resize(16, map_row(0, 24));
    data.cell_x = 3;
    data.cell_y = 11;
    return data;
}

} // namespace

TEST(AmbianceSound, EachKindPlaysAtItsShareOfTheEffectVolume)
{
    struct Case {
        const char* kind;
        const char* variant;
        double percent;
        bool plays;
    };
    const Case cases[] = {
        {"Footstep", "Step Underwater=0", 65, true},
        {"Footstep", "Jump Underwater=0", 85, true},
        {"Footstep", "Climb", 46, true},
        {"Footstep", "Hang", 66, true},
        {"Footstep", "Step Underwater=1", 65, true},
        {"Footstep", "Jump Underwater=1", 70, true},
        {"Splash", "Up", 80, true},
        {"Splash", "Down", 80, true},
        {"Exploder", "Appear Type 0", 90, true},
        {"Exploder", "Appear Type 1", 90, true},
        {"Exploder", "Attack", 100, true},
        {"Death", "whatever", 90, true},
        // Set up, but nothing to play.
        {"Footstep", "Jump", 100, false},
        {"Splash", "Sideways", 100, false},
    };
    GameplayTest test(flat_ground());
    Frame5& frame = test.frame();
    const double option = frame.values->get(sound_volume);
    for (const Case& c : cases) {
        const int channel = play_effect(frame, c.kind, c.variant);
        EXPECT_EQ(frame.media->is_channel_playing(channel), c.plays) << c.kind << " " << c.variant;
        EXPECT_NEAR(frame.media->get_channel_volume(channel), option * c.percent / 100, 1e-9)
            << c.kind << " " << c.variant;
    }
}

TEST(AmbianceSound, EffectsTakeThePoolsChannelsInRotation)
{
    GameplayTest test(flat_ground());
    Frame5& frame = test.frame();
    const int first = play_effect(frame, "Exploder", "Attack");
    for (int n = 1; n < 17; n++)
        EXPECT_EQ(play_effect(frame, "Exploder", "Attack"), (first - 5 + n) % 17 + 5);
    for (int channel = 5; channel <= 21; channel++)
        EXPECT_TRUE(frame.media->is_channel_playing(channel)) << channel;
    EXPECT_EQ(play_effect(frame, "Exploder", "Attack"), first) << "the 18th effect takes the first one's channel";
}

TEST(AmbianceSound, WalkingPlaysStepsOnEffectChannelsAndNothingWithTheSoundGroupOff)
{
    for (bool sound_on : {true, false}) {
        GameplayTest test(flat_ground());
        Frame5& frame = test.frame();
        frame.group_sound = sound_on;
        const double used = request(frame)->alterable_values->get(4, 0);
        test.hold(KEY_RIGHT);
        bool stepped = false;
        for (int tick = 0; tick < 120 && !stepped; tick++) {
            test.tick();
            for (int channel = 5; channel <= 21; channel++)
                stepped = stepped || frame.media->is_channel_playing(channel);
        }
        EXPECT_EQ(stepped, sound_on);
        if (sound_on) {
            const int channel = static_cast<int>(request(frame)->alterable_values->get(4, 0)) - 1;
            EXPECT_TRUE(frame.media->is_channel_playing(channel));
            EXPECT_NEAR(frame.media->get_channel_volume(channel), frame.values->get(sound_volume) * 0.65, 1e-9);
        } else {
            EXPECT_EQ(request(frame)->alterable_values->get(4, 0), used);
        }
    }
}
