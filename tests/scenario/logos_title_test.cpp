#include "frames/globals.h"
#include "media/media.h"
#include "menu_fixture.h"
#include "objects/active.h"
#include "support/audio_capture.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const int logos_frame = 1, title_frame = 2, main_menu_frame = 3;
const int logotypes = 4, frame_variables = 6;
const int left_slider = 7, right_slider = 8, title_fader = 9, the_game_fader = 10;

Active* active(Scenario& game, int type_id) { return static_cast<Active*>(game.instance(type_id)); }

int alpha_coefficient(Scenario& game, int type_id)
{
    return game.instance(type_id)->blend_color.get_alpha_coefficient();
}

} // namespace

TEST(Logotypes, ThreeLogosInTurnThenTheTitleAfter270Ticks)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    ASSERT_TRUE(run_to_frame(game, logos_frame));

    int first_visible = -1, left_after = -1;
    std::map<int, int> direction_from;
    for (int tick = 1; tick <= 300; ++tick) {
        game.run(1);
        if (game.frame().index != logos_frame) {
            left_after = tick;
            break;
        }
        ASSERT_EQ(game.value(frame_variables, 0), tick);
        Active* logos = active(game, logotypes);
        if (logos->visible && first_visible < 0)
            first_visible = tick;
        direction_from.emplace(logos->direction, tick);
    }
    EXPECT_EQ(first_visible, 15);
    EXPECT_EQ(direction_from, (std::map<int, int>{{0, 1}, {1, 90}, {2, 180}}));
    EXPECT_EQ(left_after, 270);
    EXPECT_EQ(game.frame().index, title_frame);
}

TEST(GameTitle, FadersUncoverTheTitleWhileTheGlintsSlideApart)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    ASSERT_TRUE(run_to_frame(game, title_frame));

    ObjectList sliders = game.frame().get_instances(left_slider);
    const ObjectList& right = game.frame().get_instances(right_slider);
    sliders.insert(sliders.end(), right.begin(), right.end());
    ASSERT_EQ(sliders.size(), 4u);
    const int start_x[] = {54, 244, 348, 155};
    const int step[] = {-2, -2, 2, 2};

    int left_after = -1;
    for (int tick = 1; tick <= 450; ++tick) {
        game.run(1);
        if (game.frame().index != title_frame) {
            left_after = tick;
            break;
        }
        ASSERT_EQ(alpha_coefficient(game, title_fader), std::min(std::max(tick - 24, 0), 255)) << "tick " << tick;
        ASSERT_EQ(alpha_coefficient(game, the_game_fader), std::min(std::max(tick - 89, 0), 255)) << "tick " << tick;
        for (size_t i = 0; i < sliders.size(); ++i)
            ASSERT_EQ(sliders[i]->x, start_x[i] + step[i] * tick) << "slider " << i << " tick " << tick;
        for (int type_id : {left_slider, right_slider, title_fader, the_game_fader})
            for (FrameObject* obj : game.frame().get_instances(type_id))
                ASSERT_EQ(static_cast<Active*>(obj)->forced_direction, 1);
    }
    EXPECT_EQ(left_after, 420);
    EXPECT_EQ(game.frame().index, main_menu_frame);
}

TEST(LogosAndTitle, EnterSpaceAndEscSkipToTheNextFrame)
{
    struct Case {
        int key;
        int frame, next;
    };
    for (Case c : {Case{KEY_ENTER, logos_frame, title_frame}, Case{KEY_SPACE, logos_frame, title_frame},
                   Case{KEY_ESC, logos_frame, title_frame}, Case{KEY_ENTER, title_frame, main_menu_frame},
                   Case{KEY_SPACE, title_frame, main_menu_frame}, Case{KEY_ESC, title_frame, main_menu_frame}}) {
        SCOPED_TRACE("key " + std::to_string(c.key) + " in frame " + std::to_string(c.frame));
        MenuGameDir game_dir;
        ScopedWorkingDirectory cwd(game_dir.dir.path);
        Scenario game(velmora_game());
        ASSERT_TRUE(run_to_frame(game, c.frame));
        game.run(40);
        game.tap(c.key, game.pass());
        EXPECT_TRUE(game.run(1)) << "a skip key never ends the program";
        EXPECT_EQ(game.frame().index, c.next);
    }
}

TEST(Logotypes, AKeyOnTheLastTickMovesOnOnce)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    ASSERT_TRUE(run_to_frame(game, logos_frame));
    game.run(269);
    game.tap(KEY_ESC, game.pass());
    game.run(1);
    ASSERT_EQ(game.frame().index, title_frame);
    game.run(1);
    EXPECT_EQ(game.frame().index, title_frame);
    EXPECT_EQ(game.value(frame_variables, 0), 1) << "the title starts from its first tick";
}

class TitleMusic : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// The title asks channel 4 for the menu music at the music volume; the music
// plays on into the menu, and the credits leave a playing channel alone.
TEST_F(TitleMusic, MenuMusicOnChannelFourAtTheMusicVolume)
{
    EXPECT_EXIT(run_and_exit([] {
                    use_audio_backend("null");
                    MenuGameDir game_dir;
                    ScopedWorkingDirectory cwd(game_dir.dir.path);
                    Scenario game(velmora_game());
                    run_to_frame(game, logos_frame);
                    game.manager().values->set(music_volume, 37);
                    run_to_frame(game, title_frame);
                    Media& media = *game.manager().media;
                    child_check(!media.is_channel_playing(4), "silent before the title's first tick");
                    game.run(1);
                    child_check(media.is_channel_playing(4), "the menu music plays");
                    child_check(media.get_channel_volume(4) == 37, "at the music volume");
                    game.tap(KEY_ENTER, game.pass());
                    game.run(1);
                    child_check(game.frame().index == main_menu_frame && media.is_channel_playing(4),
                                "the music plays on into the menu");

                    game.manager().values->set(music_volume, 80);
                    game.manager().set_frame(7);
                    game.run(1);
                    child_check(media.get_channel_volume(4) == 37, "the credits keep the playing music");
                    media.stop_channel(4);
                    game.manager().set_frame(7);
                    game.run(1);
                    child_check(media.is_channel_playing(4) && media.get_channel_volume(4) == 80,
                                "the credits start silent music at the music volume");
                }),
                testing::ExitedWithCode(0), "");
}

TEST_F(TitleMusic, WithoutAMenuMusicKeyTheTitleGoesOnInSilence)
{
    EXPECT_EXIT(run_and_exit([] {
                    use_audio_backend("null");
                    MenuGameDir game_dir("");
                    ScopedWorkingDirectory cwd(game_dir.dir.path);
                    Scenario game(velmora_game());
                    run_to_frame(game, logos_frame);
                    game.manager().values->set(music_volume, 37);
                    run_to_frame(game, title_frame);
                    game.run(1);
                    Media& media = *game.manager().media;
                    child_check(!media.is_channel_playing(4), "the program directory is no music");
                    child_check(media.get_channel_volume(4) == 37, "the channel still got the music volume");
                    game.run(30);
                    child_check(game.frame().index == title_frame && game.value(frame_variables, 0) == 31,
                                "the title runs on");
                }),
                testing::ExitedWithCode(0), "");
}
