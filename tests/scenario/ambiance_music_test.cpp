#include "ambiance_support.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "ini/ini.h"
#include "media/media.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string queued = from_world("World/Music/Lanterns Below.ogg");

double music_value(Frame& frame, int index)
{
    return frame.get_instance(type_id::MusicValues_111)->alterable_values->get(index, 0);
}

void set_pause(Frame& frame, double ticks)
{
    frame.get_instance(type_id::MusicValues_111)->alterable_values->set(0, ticks);
}

INI& savegame(Frame& frame) { return *static_cast<INI*>(frame.get_instance(type_id::SavegameIni_85)); }

bool music_playing(Frame5& frame) { return frame.media->is_channel_playing(Frame5::music_channel); }

} // namespace

TEST(AmbianceMusic, AQueuedSongPlaysOncePerSave)
{
    struct Case {
        std::string slot_file;
        bool plays;
    };
    const Case cases[] = {
        {"[Position]\nX=5\nY=10\n", true},
        {"[Position]\nX=5\nY=10\n[Played Songs]\n" + queued + "=1\n", false},
    };
    for (const Case& c : cases) {
        GameplayWorld world(1);
        world.user.write("saves/Tests - Fixture/Slot 1.ini", c.slot_file);
        world.set_screen("0,0", ground_screen("Queue=" + queued + "\n"));
        world.enter();
        Frame5& frame = world.frame();
        world.game().run(1);
        EXPECT_EQ(music_playing(frame), c.plays) << c.slot_file;
        EXPECT_EQ(frame.get_instance(type_id::MusicValues_111)->alterable_strings->get(0, "?"), "");
        EXPECT_TRUE(savegame(frame).has_item("Played Songs", queued));
        if (c.plays) {
            EXPECT_GE(music_value(frame, 0), 1200);
            EXPECT_LT(music_value(frame, 0), 2400);
        }

        // Coming back to the screen after the song ended does not queue it again.
        frame.media->stop_channel(Frame5::music_channel);
        build_screen(world, 0, 0);
        world.game().run(3);
        EXPECT_FALSE(music_playing(frame));
    }
}

TEST(AmbianceMusic, TheSilenceBetweenSongsCountsDownOnlyWhileNothingPlays)
{
    GameplayWorld world(0);
    world.set_screen("Songs", "1=" + from_world("World/Music/Dew Altar.ogg") + "\n");
    world.set_screen("0,0", ground_screen("Playlist=Songs\n"));
    world.enter();
    Frame5& frame = world.frame();
    world.game().run(1);
    const double pause = music_value(frame, 0);
    world.game().run(5);
    EXPECT_EQ(music_value(frame, 0), pause - 5);
    EXPECT_FALSE(music_playing(frame));

    set_pause(frame, 2);
    world.game().run(1);
    EXPECT_FALSE(music_playing(frame));
    world.game().run(1);
    ASSERT_TRUE(music_playing(frame)) << "the single song starts when the pause has run out";
    const double next_pause = music_value(frame, 0);
    EXPECT_GE(next_pause, 1200);
    EXPECT_LT(next_pause, 2400);
    world.game().run(10);
    EXPECT_EQ(music_value(frame, 0), next_pause) << "the pause waits while the song plays";
}

TEST(AmbianceMusic, F9EndsTheSongAndATwoSongPlaylistAlternates)
{
    GameplayWorld world(0);
    world.set_screen("Songs", "1=" + from_world("World/Music/Dew Altar.ogg") +
                                  "\n2=" + from_world("World/Music/Night Orchard.ogg") + "\n");
    world.set_screen("0,0", ground_screen("Playlist=Songs\n"));
    world.enter();
    Frame5& frame = world.frame();
    world.game().run(1);
    set_pause(frame, 0);
    world.game().run(1);
    ASSERT_TRUE(music_playing(frame));
    std::vector<double> chosen = {music_value(frame, 2)};
    for (int song = 0; song < 12; song++) {
        world.game().tap(KEY_F9, world.game().pass(), 1);
        world.game().run(1);
        EXPECT_FALSE(music_playing(frame)) << "F9 stops the song at the end of the tick";
        EXPECT_EQ(music_value(frame, 0), 0);
        world.game().run(1);
        ASSERT_TRUE(music_playing(frame)) << "the next song starts at once";
        chosen.push_back(music_value(frame, 2));
    }
    for (size_t i = 1; i < chosen.size(); i++) {
        EXPECT_NE(chosen[i], chosen[i - 1]) << "song " << i;
        EXPECT_TRUE(chosen[i] == 0 || chosen[i] == 1);
    }
}

TEST(AmbianceMusic, AScreenWithoutSongsStaysSilent)
{
    for (const char* keys : {"", "Playlist=Nowhere\n", "Playlist=Empty\n"}) {
        GameplayWorld world(0);
        world.set_screen("Empty", "");
        world.set_screen("0,0", ground_screen(keys));
        world.enter();
        Frame5& frame = world.frame();
        world.game().run(1);
        set_pause(frame, 0);
        world.game().run(5);
        EXPECT_FALSE(music_playing(frame)) << keys;
        EXPECT_FALSE(INI::global_store()["Level"].count("Nowhere")) << "the level document gains no group";
    }
}

TEST(AmbianceMusic, AMissingSongFileIsSkippedLikeAPlayedOne)
{
    GameplayWorld world(0);
    world.set_screen("Lost", "1=Music/No Such Song.ogg\n");
    world.set_screen("0,0", ground_screen("Playlist=Lost\n"));
    world.enter();
    Frame5& frame = world.frame();
    world.game().run(1);
    set_pause(frame, 0);
    world.game().run(1);
    EXPECT_FALSE(music_playing(frame));
    EXPECT_GE(music_value(frame, 0), 1200) << "the next try waits a whole pause";
}
