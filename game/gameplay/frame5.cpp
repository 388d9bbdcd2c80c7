#include "gameplay/frame5.h"

Frame5::Frame5(GameManager* manager) : Frame("Gameplay", 800, 512, Color(0, 0, 0, 255), 4, manager) {}
