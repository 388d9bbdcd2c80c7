#pragma once

#include "frame/frame.h"

class GameManager;

// The gameplay frame: world generation, the alchemist, hazards and alchemy.
class Frame5 : public Frame {
public:
    explicit Frame5(GameManager* manager);

    // --- player input, movement and abilities ---
    // --- end of player input, movement and abilities ---
};
