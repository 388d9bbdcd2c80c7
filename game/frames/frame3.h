#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// "Game Title": the title and the menu music.
class Frame3 : public Frame {
public:
    explicit Frame3(GameManager* manager);
};
