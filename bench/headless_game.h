#pragma once

// The game on the headless window system for benchmarks: run from the game
// directory, window "opened", pictures read from the generated Sprites.dat.
// tick() is one update of the current frame, without drawing or waiting, so
// the figures are the update's own cost.
#include "frames/frames.h"
#include "manager/game_manager.h"
#include "platform/headless_backend.h"

#include <memory>

class HeadlessGame {
public:
    HeadlessGame();
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    void tick();

    platform::HeadlessBackend headless;
    std::unique_ptr<GameManager> manager;
};
