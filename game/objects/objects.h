#pragma once

// Every object type of the game.

#include "objects/backdrop_types.h"
#include "objects/ini_types.h"
#include "objects/interface_actives.h"
#include "objects/menu_actives.h"
#include "objects/picture_types.h"
#include "objects/qualifiers.h"
#include "objects/text_types.h"
#include "objects/world_actives.h"
