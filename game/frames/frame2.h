#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// "Logotypes": the three logos.
class Frame2 : public Frame {
public:
    explicit Frame2(GameManager* manager);
    void on_start() override;
    void handle_events() override;
};
