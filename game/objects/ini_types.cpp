#include "objects/ini_types.h"

namespace {
void share(INI& ini, const char* key)
{
    if (key)
        ini.set_global_data(key);
}
} // namespace

#define VELMORA_INI_TYPE(Class, display_name, type_id, key)                                                            \
    Class::Class(int x, int y) : INI(display_name, x, y, type_id) { share(*this, key); }

VELMORA_INI_TYPE(GameIni_0, "Game.ini", 1, "Game")
VELMORA_INI_TYPE(WorldIni_2, "World.ini", 2, nullptr)
VELMORA_INI_TYPE(SettingsIni_3, "Settings.ini", 3, "Settings")
VELMORA_INI_TYPE(LevelIni_22, "Level Ini", 15, "Level")
VELMORA_INI_TYPE(ItemsIni_23, "Items.ini", 16, "Items")
VELMORA_INI_TYPE(ReactionsIni_24, "Reactions.ini", 17, "Reactions")
VELMORA_INI_TYPE(ContainersIni_25, "Containers.ini", 18, "Containers")
VELMORA_INI_TYPE(AbilitiesIni_26, "Abilities.ini", 19, "Abilities")
VELMORA_INI_TYPE(PowerConditionsIni_27, "Power Conditions.ini", 20, "Power Conditions")
VELMORA_INI_TYPE(PowersIni_28, "Powers.ini", 21, "Powers")
VELMORA_INI_TYPE(SavegameIni_85, "Savegame Ini", 76, nullptr)
VELMORA_INI_TYPE(ModifiedAbilities_123, "Modified Abilities", 114, nullptr)
VELMORA_INI_TYPE(ChannelFadeoutInitialVolumes_128, "Channel Fadeout Initial Volumes", 119, nullptr)
VELMORA_INI_TYPE(AutoBlitter_144, "Auto Blitter", 134, nullptr)
