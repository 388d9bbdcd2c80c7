#include "frames/globals.h"

void setup_globals(Globals<double>* values, Globals<std::string>* strings)
{
    values->set(map_x, 0);
    values->set(map_y, 0);
    values->set(scratch_flag, 0);
    values->set(screen_columns, 25);
    values->set(screen_rows, 16);
    values->set(slot_number, 0);
    values->set(quality, 0);
    values->set(ambiance_volume, 80);
    values->set(music_volume, 100);
    values->set(sound_volume, 60);
    values->set(credits_after_win, 0);
    values->set(fullscreen_flag, 0);

    strings->set(world_path, "");
    strings->set(settings_path, "");
    strings->set(save_path, "");
    strings->set(error_message, "");
    strings->set(settings_subdir_backslash, "Tarrowin\\Velmora");
    strings->set(settings_subdir, "Tarrowin/Velmora");
}
