// The Jump To Gameplay frame: one black tick between a death and the
// gameplay frame, which then starts afresh from the save slot.
#include "frames/frame6.h"

namespace {
const int gameplay_frame = 4;
}

Frame6::Frame6(GameManager* manager) : Frame("Jump To Gameplay", 800, 512, Color(0, 0, 0, 255), 5, manager) {}

void Frame6::on_start() { add_layer(1, 1, true); }

void Frame6::handle_events() { next_frame = gameplay_frame; }
