#pragma once

#include "frames/frames.h"
#include "ini/ini.h"
#include "support/scenario.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>

// A game directory of its own (Game.ini, settings) around the built World
// folder, so the frames find the real pictures, music and credits.
struct MenuGameDir {
    TempDir dir;
    explicit MenuGameDir(const std::string& general = "Menu Music=World/Music/Menu Theme.ogg\n")
    {
        dir.write("Game.ini", "[General]\nPortable Mode=1\nDefault World=World\n" + general);
        std::filesystem::create_directory_symlink(std::string(VELMORA_GAME_DIR) + "/World", dir.path + "/World");
        INI::reset_global_data();
    }
};

// Runs passes until frame `index` is the current one.
inline bool run_to_frame(Scenario& game, int index, int limit = 2000)
{
    return game.run_until([&] { return game.frame().index == index; }, limit);
}
