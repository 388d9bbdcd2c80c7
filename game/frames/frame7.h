#pragma once

#include "frame/event_markers.h"
#include "frame/frame.h"
#include "manager/game_manager.h"

// "Error": what went wrong with the world.
class Frame7 : public Frame {
public:
    explicit Frame7(GameManager* manager);
    void on_start() override;
    void handle_events() override;

private:
    OncePerRun show_message;
};
