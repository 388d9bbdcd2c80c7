// Fast loops started by a name made at run time.
#include "gameplay/frame5.h"

#include <map>
#include <string>

void Frame5::call_dynamic_loop(const std::string& name)
{
    using Body = void (Frame5::*)();
    // The loops of this frame by name; each runs its own loop function.
    static const std::map<std::string, Body> loops = {
        {"Straw 0", &Frame5::loop_straw_0},
        {"Straw 1", &Frame5::loop_straw_1},
        {"Blit Text", &Frame5::loop_blit_text},
        {"Check Power Conditions Group", &Frame5::loop_check_power_conditions_group},
        {"Apply This Power to Abilities", &Frame5::loop_apply_this_power_to_abilities},
        {"Alchemist X Move", &Frame5::loop_alchemist_x_move},
        {"Reset Abilities", &Frame5::loop_reset_abilities},
        {"Alchemist Overlap Test", &Frame5::loop_alchemist_overlap_test},
        {"Test Power Condition", &Frame5::loop_test_power_condition},
        {"Alchemist Y Move", &Frame5::loop_alchemist_y_move},
        {"Container Interaction Light", &Frame5::loop_container_interaction_light},
        {"Blit Word", &Frame5::loop_blit_word},
        {"Surface Effect", &Frame5::loop_surface_effect},
        {"Terrain Tile", &Frame5::loop_terrain_tile},
        {"Terrain X", &Frame5::loop_terrain_x},
        {"Terrain Y", &Frame5::loop_terrain_y},
        {"Blit Letter", &Frame5::loop_blit_letter},
    };
    auto found = loops.find(name);
    if (found == loops.end())
        return;
    Body body = found->second;
    run_loop(name, 1, [this, body] { (this->*body)(); });
}
