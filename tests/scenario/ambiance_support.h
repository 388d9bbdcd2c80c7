#pragma once

#include "gameplay_world_helpers.h"

#include <string>

// A file of the built game directory as a world key names it: relative to
// the world folder, climbing to the root first.
inline std::string from_world(const std::string& game_file)
{
    std::string up;
    for (int i = 0; i < 16; i++)
        up += "../";
    return up + VELMORA_GAME_DIR + "/" + game_file;
}

// A screen of open air over solid ground, with the given keys.
inline std::string ground_screen(const std::string& keys)
{
    std::map<int, std::string> rows;
    for (int r = 11; r < 16; r++)
        rows[r] = "|" + std::string(25, '#');
    return map_rows(rows, keys);
}
