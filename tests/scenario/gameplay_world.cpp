#include "gameplay_world.h"

#include "frames/frames.h"
#include "frames/globals.h"
#include "gameplay_world_helpers.h"
#include "ini/ini.h"
#include "manager/game_manager.h"
#include "objects/ini_types.h"

#include <cstdlib>

namespace {

// Loads a world's documents into the shared store as the main menu's
// loading group does.
void load_world(const std::string& dir)
{
    INI::reset_global_data();
    {
        LevelIni_22 level(0, 0);
        level.load_file(dir + "/World.ini", false, false, false);
        for (int i = 0; i < level.get_item_count("Level Data"); i++)
            level.merge_file(dir + "/" + level.get_string_index("Level Data", i), false);
    }
    const std::pair<const char*, const char*> rules[] = {
        {"Items", "Items.ini"},
        {"Reactions", "Reactions.ini"},
        {"Containers", "Containers.ini"},
        {"Abilities", "Abilities.ini"},
        {"Power Conditions", "Power Conditions.ini"},
        {"Powers", "Powers.ini"},
    };
    for (const auto& rule : rules) {
        INI document("Rule", 0, 0, 0);
        document.load_file(dir + "/Settings/" + rule.second, true, false, false);
        INI::global_store()[rule.first] = document.document;
    }
}

} // namespace

GameplayWorld::GameplayWorld(int slot, const std::string& world, int quality_level)
    : world_dir(std::string(VELMORA_SOURCE_DIR) + "/tests/worlds/" + world), slot(slot), quality_setting(quality_level)
{
    save_folder = user.path + "/saves/Tests - Fixture";
    old_home = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", user.path.c_str(), 1);
    cwd.reset(new ScopedWorkingDirectory(VELMORA_GAME_DIR));
    load_world(world_dir);
    scenario.reset(new Scenario(velmora_game()));
    // The initialization frame sets the data paths.
    scenario->run(1);
}

GameplayWorld::~GameplayWorld()
{
    scenario.reset();
    cwd.reset();
    setenv("HOME", old_home.c_str(), 1);
}

void GameplayWorld::set_screen(const std::string& group, const std::string& rows_and_keys)
{
    INI level("Level", 0, 0, 0);
    level.load_string("[" + group + "]\n" + rows_and_keys, false);
    INI::global_store()["Level"][group] = level.document[group];
}

void GameplayWorld::enter()
{
    GameManager& manager = scenario->manager();
    manager.strings->set(world_path, world_dir);
    manager.values->set(slot_number, slot);
    manager.values->set(quality, quality_setting);
    manager.strings->set(save_path, save_folder);
    manager.set_frame(4);
}

Frame5& GameplayWorld::frame() { return static_cast<Frame5&>(scenario->frame()); }

std::string GameplayWorld::slot_file(int number) const
{
    return save_folder + "/Slot " + std::to_string(number) + ".ini";
}

std::string map_rows(const std::map<int, std::string>& rows, const std::string& extra_keys)
{
    std::string text;
    for (int r = 0; r < 16; r++) {
        auto given = rows.find(r);
        text += std::to_string(r) + "=" + (given != rows.end() ? given->second : "|" + std::string(25, '-')) + "\n";
    }
    return text + extra_keys;
}

void build_screen(GameplayWorld& world, int x, int y)
{
    Frame5& frame = world.frame();
    frame.values->set(map_x, x);
    frame.values->set(map_y, y);
    frame.group_map_change = true;
    frame.group_player = false;
    world.game().run(2);
}

std::vector<FrameObject*> live(Frame& frame, int type_id)
{
    std::vector<FrameObject*> out;
    for (FrameObject* object : frame.get_instances(type_id))
        if (!object->destroying)
            out.push_back(object);
    return out;
}
