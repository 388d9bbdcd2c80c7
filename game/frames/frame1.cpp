#include "frames/frames.h"

Frame1::Frame1(GameManager* manager) : Frame("Initialization", 800, 512, Color(255, 255, 255, 255), 0, manager) {}

void Frame1::on_start() {}

// Until the start-up sequence exists, the first frame opens the window and
// hands over to the logos.
void Frame1::handle_events()
{
    manager->set_window(false);
    next_frame = 1;
}
