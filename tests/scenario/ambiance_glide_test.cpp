#include "ambiance_support.h"
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "media/media.h"
#include "objects/objects.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

double current(Frame& frame, int type, int layer) { return frame.get_instance(type)->alterable_values->get(layer, 0); }

double volume(Frame& frame, int layer) { return current(frame, AmbianceVolumes_109::description().id, layer); }

double frequency(Frame& frame, int layer) { return current(frame, AmbianceFrequencies_110::description().id, layer); }

// Layers 1 and 3 of the world's ambiance with their settings on screen 0,0
// (layer 4 has a setting but no sound); screen 1,0 keeps layer 1 only, softer.
void ambiance_world(GameplayWorld& world)
{
    world.set_screen("Ambiance", "Channel 1=" + from_world("World/Ambiance/Wind.ogg") +
                                     "\nChannel 3=" + from_world("World/Ambiance/Water.ogg") + "\n");
    world.set_screen("Loud", "Volume=50\nFrequency=30000\n");
    world.set_screen("Soft", "Volume=10\nFrequency=48000\n");
    world.set_screen("0,0", ground_screen("Channel 1=Loud\nChannel 3=Soft\nChannel 4=Soft\n"));
    world.set_screen("1,0", ground_screen("Channel 1=Soft\n"));
}

} // namespace

TEST(AmbianceGlide, LayersStartWithTheFrameAndGlideToTheScreensSettings)
{
    GameplayWorld world(0);
    ambiance_world(world);
    world.enter();
    Frame5& frame = world.frame();
    const double option = frame.values->get(ambiance_volume);
    for (int tick = 1; tick <= 60; tick++) {
        world.game().run(1);
        // Layer 1 is handled by passes 0 and 1, so it takes two steps a tick.
        ASSERT_NEAR(volume(frame, 1), std::min(2.6 * tick, 50.0), 1e-9) << "tick " << tick;
        ASSERT_NEAR(frequency(frame, 1), std::max(44100.0 - 900 * tick, 30000.0), 1e-9) << "tick " << tick;
        for (int layer : {3, 4}) {
            ASSERT_NEAR(volume(frame, layer), std::min(1.3 * tick, 10.0), 1e-9) << "tick " << tick;
            ASSERT_NEAR(frequency(frame, layer), std::min(44100.0 + 450 * tick, 48000.0), 1e-9) << "tick " << tick;
        }
        ASSERT_EQ(volume(frame, 2), 0);
        ASSERT_EQ(frequency(frame, 2), 44100);
        ASSERT_NEAR(frame.media->get_channel_volume(0), volume(frame, 1) * option / 100, 1e-9);
        ASSERT_NEAR(frame.media->get_channel_volume(2), volume(frame, 3) * option / 100, 1e-9);
    }
    EXPECT_TRUE(frame.media->is_channel_playing(0));
    EXPECT_FALSE(frame.media->is_channel_playing(1)) << "the world names no sound for layer 2";
    EXPECT_TRUE(frame.media->is_channel_playing(2));
    EXPECT_FALSE(frame.media->is_channel_playing(3)) << "a setting alone starts no sound";
}

TEST(AmbianceGlide, ALayerTheNewScreenDoesNotNameFadesToSilenceAndKeepsPlaying)
{
    GameplayWorld world(0);
    ambiance_world(world);
    world.enter();
    Frame5& frame = world.frame();
    world.game().run(60);
    build_screen(world, 1, 0);
    double layer1 = volume(frame, 1), layer3 = volume(frame, 3), pitch3 = frequency(frame, 3);
    ASSERT_GT(layer3, 0);
    for (int tick = 0; tick < 40; tick++) {
        world.game().run(1);
        ASSERT_NEAR(volume(frame, 3), std::max(layer3 - 1.3, 0.0), 1e-9);
        ASSERT_NEAR(frequency(frame, 3), std::max(pitch3 - 450, 44100.0), 1e-9);
        ASSERT_NEAR(volume(frame, 1), std::max(layer1 - 2.6, 10.0), 1e-9);
        layer1 = volume(frame, 1), layer3 = volume(frame, 3), pitch3 = frequency(frame, 3);
    }
    EXPECT_EQ(layer3, 0);
    EXPECT_EQ(frame.media->get_channel_volume(2), 0);
    EXPECT_TRUE(frame.media->is_channel_playing(2)) << "screens change loudness, never restart the layers";
}

TEST(AmbianceGlide, LayersHoldStillWhileTheSoundGroupIsOff)
{
    GameplayWorld world(0);
    ambiance_world(world);
    world.enter();
    Frame5& frame = world.frame();
    world.game().run(3);
    const double before = volume(frame, 1);
    frame.group_sound = false;
    world.game().run(5);
    EXPECT_EQ(volume(frame, 1), before);
}
