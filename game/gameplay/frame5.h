#pragma once

#include "frame/frame.h"

class GameManager;

// The gameplay frame: world generation, the alchemist, hazards and alchemy.
class Frame5 : public Frame {
public:
    explicit Frame5(GameManager* manager);
};
