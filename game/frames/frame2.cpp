#include "frames/frame2.h"

Frame2::Frame2(GameManager* manager) : Frame("Logotypes", 800, 512, Color(255, 255, 255, 255), 1, manager) {}
