#include "frames/frames.h"
#include "frames/globals.h"
#include "ini/ini.h"
#include "media/media.h"
#include "platform/platform.h"
#include "support/scenario.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// A game directory with a Game.ini and a one-file world.
struct GameDirectory {
    TempDir dir;
    GameDirectory(const std::string& game_ini, const std::string& settings_ini = "")
    {
        dir.write("Game.ini", game_ini);
        dir.write("Tiny/World.ini", "[World]\nTitle=Tiny\nAuthor=Tests\n");
        if (!settings_ini.empty())
            dir.write("Settings/Settings.ini", settings_ini);
    }
};

} // namespace

TEST(Initialization, PortableModeReadsSettingsBesideTheProgram)
{
    GameDirectory game_dir("[General]\nPortable Mode=1\nDefault World=Tiny\n", "[General]\nQuality=2\n");
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    INI::reset_global_data();
    Scenario game(velmora_game());
    testing::internal::CaptureStdout();
    game.run(1);
    std::string out = testing::internal::GetCapturedStdout();

    EXPECT_NE(out.find("Setting image file to: ./World/Sprites.dat"), std::string::npos);
    EXPECT_NE(out.find("Loading ./Game.ini (Game.ini)"), std::string::npos);
    EXPECT_NE(out.find("Loading ./Settings/Settings.ini (Settings.ini)"), std::string::npos);
    EXPECT_EQ(game.manager().strings->get(settings_path), "./Settings");
    EXPECT_EQ(game.manager().strings->get(world_path), ".//Tiny");
    EXPECT_EQ(game.manager().values->get(quality), 2);
    EXPECT_EQ(game.manager().values->get(fullscreen_flag), 0);
    EXPECT_TRUE(game.input().window_was_opened());
    EXPECT_FALSE(game.input().window_fullscreen());
    EXPECT_EQ(game.frame().index, 1) << "the logos follow on the first run";
    EXPECT_EQ(game.manager().media->get_channel_volume(31), 0);
    EXPECT_EQ(INI::global_store()["Game"]["General"]["Default World"], "Tiny");
}

TEST(Initialization, RestartSkipsTheLogosWithFreshGlobals)
{
    GameDirectory game_dir("[General]\nPortable Mode=1\nDefault World=Tiny\n", "[General]\nFullscreen=1\n");
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    INI::reset_global_data();
    Scenario game(velmora_game());
    game.run(1);
    EXPECT_TRUE(game.input().window_fullscreen());
    EXPECT_EQ(game.manager().values->get(fullscreen_flag), 1);
    game.manager().values->set(map_x, 9);
    game.frame().restart();
    game.run(2);
    EXPECT_EQ(game.frame().index, 3) << "straight to the main menu";
    EXPECT_EQ(game.manager().values->get(map_x), 0);
}

TEST(Initialization, MissingFilesGiveDefaultsInTheUsersDirectory)
{
    TempDir empty;
    ScopedWorkingDirectory cwd(empty.path);
    std::string old_home = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", (empty.path + "/home").c_str(), 1);
    INI::reset_global_data();
    Scenario game(velmora_game());
    testing::internal::CaptureStdout();
    game.run(1);
    std::string out = testing::internal::GetCapturedStdout();
    std::string expected = empty.path + "/home/.Tarrowin/Velmora";
    EXPECT_EQ(game.manager().strings->get(settings_path), expected);
    EXPECT_NE(out.find("INI load failed (./Game.ini) with code -1"), std::string::npos);
    EXPECT_EQ(game.manager().strings->get(world_path), ".//");
    EXPECT_TRUE(game.input().window_was_opened());
    EXPECT_FALSE(game.input().window_fullscreen());
    setenv("HOME", old_home.c_str(), 1);
}
