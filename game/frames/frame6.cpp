#include "frames/frame6.h"

Frame6::Frame6(GameManager* manager) : Frame("Jump To Gameplay", 800, 512, Color(0, 0, 0, 255), 5, manager) {}
