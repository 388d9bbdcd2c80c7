#pragma once

#include "frame/event_markers.h"
#include "frame/frame.h"
#include "manager/game_manager.h"

// "Game Title": the title and the menu music.
class Frame3 : public Frame {
public:
    explicit Frame3(GameManager* manager);
    void on_start() override;
    void handle_events() override;

private:
    OncePerRun start_music;
    OncePerRun brighten_sliders;
    void fade_in_title(int ticks);
    void slide_lines();
};
