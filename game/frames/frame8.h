#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// "Credits": the world's credits picture.
class Frame8 : public Frame {
public:
    explicit Frame8(GameManager* manager);
};
