#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// "Jump To Gameplay": back into play after a death.
class Frame6 : public Frame {
public:
    explicit Frame6(GameManager* manager);
    void on_start() override;
    void handle_events() override;
};
