// Loading the chosen world into the shared documents the gameplay frame
// reads, while the screen and the music fade out.
#include "frames/frame4.h"
#include "frames/frame4_ids.h"
#include "frames/globals.h"
#include "ini/ini.h"
#include "media/media.h"

#include <algorithm>

void Frame4::run_loading()
{
    INI* level = ini(id_level_ini);
    const std::string world = strings->get(world_path);
    if (load_world_file) {
        load_world_file = false;
        level->load_file(world + "/World.ini", false, false, false);
    }
    if (load_level_data) {
        load_level_data = false;
        level->set_group("Level Data", false);
        run_loop("Get Level Data", level->get_item_count(), [this] { loop_get_level_data(); });
    }
    if (load_settings_files) {
        load_settings_files = false;
        const struct {
            int id;
            const char* file;
        } rules[] = {
            {id_items_ini, "/Settings/Items.ini"},
            {id_reactions_ini, "/Settings/Reactions.ini"},
            {id_containers_ini, "/Settings/Containers.ini"},
            {id_abilities_ini, "/Settings/Abilities.ini"},
            {id_power_conditions_ini, "/Settings/Power Conditions.ini"},
            {id_powers_ini, "/Settings/Powers.ini"},
        };
        for (const auto& rule : rules)
            ini(rule.id)->load_file(world + rule.file, true, false, false);
    }

    Color& fader = get_instance(id_screen_fader)->blend_color;
    int alpha = std::max(0, fader.get_alpha_coefficient() - 3);
    fader.set_alpha_coefficient(alpha);
    if (media)
        media->set_channel_volume(music_channel, values->get(music_volume) * alpha / 255);
    if (alpha == 0) {
        if (media)
            media->stop_samples();
        next_frame = 4;
    }
}

// Level files merge in item-name order; where two repeat an item, the
// earlier one keeps it.
void Frame4::loop_get_level_data()
{
    INI* level = ini(id_level_ini);
    level->merge_file(strings->get(world_path) + "/" + level->get_string_index(get_loop_index("Get Level Data")),
                      false);
}
