#pragma once

#include "ini/ini.h"

// The game's INI document types. Those with a shared-data key start with the
// document their key holds and leave theirs behind when they go.

#define VELMORA_INI_TYPE(Class)                                                                                        \
    class Class : public INI {                                                                                         \
    public:                                                                                                            \
        Class(int x, int y);                                                                                           \
    };

VELMORA_INI_TYPE(GameIni_0)
VELMORA_INI_TYPE(WorldIni_2)
VELMORA_INI_TYPE(SettingsIni_3)
VELMORA_INI_TYPE(LevelIni_22)
VELMORA_INI_TYPE(ItemsIni_23)
VELMORA_INI_TYPE(ReactionsIni_24)
VELMORA_INI_TYPE(ContainersIni_25)
VELMORA_INI_TYPE(AbilitiesIni_26)
VELMORA_INI_TYPE(PowerConditionsIni_27)
VELMORA_INI_TYPE(PowersIni_28)
VELMORA_INI_TYPE(SavegameIni_85)
VELMORA_INI_TYPE(ModifiedAbilities_123)
VELMORA_INI_TYPE(ChannelFadeoutInitialVolumes_128)
VELMORA_INI_TYPE(AutoBlitter_144)

#undef VELMORA_INI_TYPE
