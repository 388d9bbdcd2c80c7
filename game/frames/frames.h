#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

// The game's eight frames, indices 0 to 7.

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

class Frame2 : public Frame {
public:
    explicit Frame2(GameManager* manager);
};

class Frame3 : public Frame {
public:
    explicit Frame3(GameManager* manager);
};

class Frame4 : public Frame {
public:
    explicit Frame4(GameManager* manager);
};

class Frame6 : public Frame {
public:
    explicit Frame6(GameManager* manager);
};

class Frame7 : public Frame {
public:
    explicit Frame7(GameManager* manager);
};

class Frame8 : public Frame {
public:
    explicit Frame8(GameManager* manager);
};

Frame** get_frames(GameManager* manager);
// The engine's view of this game: its frames and its global values.
GameDefinition velmora_game();
