#include "frames/frame8.h"

Frame8::Frame8(GameManager* manager) : Frame("Credits", 800, 512, Color(255, 255, 255, 255), 7, manager) {}
