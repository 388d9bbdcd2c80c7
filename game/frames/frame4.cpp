#include "frames/frame4.h"

Frame4::Frame4(GameManager* manager) : Frame("Main Menu", 800, 3072, Color(255, 255, 255, 255), 3, manager) {}
