#pragma once

#include "frame/event_markers.h"
#include "frame/frame.h"
#include "manager/game_manager.h"

// "Credits": the world's credits picture.
class Frame8 : public Frame {
public:
    explicit Frame8(GameManager* manager);
    void on_start() override;
    void handle_events() override;

private:
    OncePerRun load_credits;
};
