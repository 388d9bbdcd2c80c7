#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// "Main Menu": slots, options, information and world loading.
class Frame4 : public Frame {
public:
    explicit Frame4(GameManager* manager);
};
