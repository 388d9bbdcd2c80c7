// Building a screen from its map rows: the three terrain loops and the tile
// events every tile runs, in their fixed order.
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "objects/active.h"
#include "objects/utility.h"

#include <string>

namespace {
const int solid_class = 0;
} // namespace

void Frame5::loop_terrain_y()
{
    if (!group_screen_build)
        return;
    run_loop("Terrain X", static_cast<int>(values->get(screen_columns)), [this] { loop_terrain_x(); });
}

void Frame5::loop_terrain_x()
{
    if (!group_screen_build)
        return;
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    const int c = get_loop_index("Terrain X");
    const int r = get_loop_index("Terrain Y");
    const int rows = static_cast<int>(values->get(screen_rows));
    const int columns = static_cast<int>(values->get(screen_columns));
    // Position 0 of a row is never a tile: column c is the byte at c + 1.
    // At the screen's edges a tile is its own neighbour.
    const std::string row = level->get_string(std::to_string(r), "");
    tile_here = Utility::Substr(row, c + 1, 1);
    tile_above = Utility::Substr(level->get_string(std::to_string(int_max(r - 1, 0)), ""), c + 1, 1);
    tile_below = Utility::Substr(level->get_string(std::to_string(int_min(r + 1, rows - 1)), ""), c + 1, 1);
    tile_left = Utility::Substr(row, int_max(c, 1), 1);
    tile_right = Utility::Substr(row, int_min(c + 2, columns), 1);
    cx = 32 * c + 16;
    cy = 32 * r + 16;

    FrameObject* variables = get_instance(type_id::SceneryGeneratorVariables_68);
    variables->alterable_strings->set(0, tile_here);
    variables->alterable_strings->set(1, tile_above);
    variables->alterable_strings->set(2, tile_below);
    variables->alterable_strings->set(3, tile_left);
    variables->alterable_strings->set(4, tile_right);
    variables->alterable_values->set(0, cx);
    variables->alterable_values->set(1, cy);

    run_loop("Terrain Tile", 1, [this] { loop_terrain_tile(); });
}

void Frame5::read_map_classes()
{
    FrameObject* constants = get_instance(type_id::SceneryGeneratorConstants_69);
    for (int k = 0; k < map_class_count; k++)
        map_classes[k] = constants->alterable_strings->get(k, "");
}

bool Frame5::tile_in_class(int class_index, const std::string& tile)
{
    // A substring search: the empty string of a missing tile is in every
    // class that has characters, so a missing tile is solid rock.
    const std::string& members = map_classes[class_index];
    return !members.empty() && members.find(tile) != std::string::npos;
}

void Frame5::loop_terrain_tile()
{
    if (!group_screen_build)
        return;
    if (tile_in_class(solid_class, tile_here))
        paste_solid_fill();
    else
        place_inner_corners();
    if (tile_here.empty())
        return;
    const char c = tile_here[0];
    if (tile_in_class(solid_class, tile_here))
        place_rock_decoration(c);
    if (tile_in_class(2, tile_here)) {
        place_container(c);
        place_person(c);
    }
    if (tile_in_class(3, tile_here) || tile_in_class(4, tile_here))
        place_plant(c);
    if (tile_in_class(5, tile_here)) {
        place_creature(c);
        place_exploders(c);
    }
    if (tile_in_class(6, tile_here)) {
        place_stream(c);
        if (c == '~')
            place_water();
    }
    if (tile_in_class(7, tile_here))
        paste_background_tile(c);
    if (tile_in_class(9, tile_here)) {
        place_light_or_fog(c);
        place_slope(c);
        place_spike_or_effect(c);
        place_special(c);
    }
}

bool Frame5::solid(const std::string& tile) { return tile_in_class(solid_class, tile); }
