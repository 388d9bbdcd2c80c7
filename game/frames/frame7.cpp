#include "frames/frame7.h"

Frame7::Frame7(GameManager* manager) : Frame("Error", 800, 512, Color(255, 255, 255, 255), 6, manager) {}
