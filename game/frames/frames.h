#pragma once

// The game's eight frames, indices 0 to 7, and the game as the engine sees it.

#include "frames/frame1.h"
#include "frames/frame2.h"
#include "frames/frame3.h"
#include "frames/frame4.h"
#include "frames/frame6.h"
#include "frames/frame7.h"
#include "frames/frame8.h"
#include "gameplay/frame5.h"

Frame** get_frames(GameManager* manager);
// The engine's view of this game: its frames and its global values.
GameDefinition velmora_game();
