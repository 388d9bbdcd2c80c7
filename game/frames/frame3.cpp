#include "frames/frame3.h"

Frame3::Frame3(GameManager* manager) : Frame("Game Title", 800, 512, Color(255, 255, 255, 255), 2, manager) {}
