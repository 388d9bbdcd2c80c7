#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// "Initialization": data paths, settings, the window and the world.
class Frame1 : public Frame {
public:
    explicit Frame1(GameManager* manager);
    void on_start() override;
    void handle_events() override;

private:
    // The one event group: all of the start-up work, on the first tick.
    bool group_initialize = true;
    void choose_settings_path(bool portable);
};
