#pragma once

#include "frame/globals.h"

#include <string>

// Indices of the game-wide values.
enum GlobalValue {
    map_x = 0,
    map_y = 1,
    scratch_flag = 2,
    screen_columns = 3,
    screen_rows = 4,
    slot_number = 5,
    quality = 6,
    ambiance_volume = 7,
    music_volume = 8,
    sound_volume = 9,
    credits_after_win = 10,
    fullscreen_flag = 11
};

// Indices of the game-wide strings.
enum GlobalString {
    world_path = 0,
    settings_path = 1,
    save_path = 2,
    error_message = 3,
    settings_subdir_backslash = 4,
    settings_subdir = 5
};

void setup_globals(Globals<double>* values, Globals<std::string>* strings);
