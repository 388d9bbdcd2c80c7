#include "frames/frames.h"
#include "frames/globals.h"
#include "gameplay/frame5.h"

namespace {
const Color white(255, 255, 255, 255);
const Color black(0, 0, 0, 255);
} // namespace

Frame2::Frame2(GameManager* manager) : Frame("Logotypes", 800, 512, white, 1, manager) {}
Frame3::Frame3(GameManager* manager) : Frame("Game Title", 800, 512, white, 2, manager) {}
Frame4::Frame4(GameManager* manager) : Frame("Main Menu", 800, 3072, white, 3, manager) {}
Frame6::Frame6(GameManager* manager) : Frame("Jump To Gameplay", 800, 512, black, 5, manager) {}
Frame7::Frame7(GameManager* manager) : Frame("Error", 800, 512, white, 6, manager) {}
Frame8::Frame8(GameManager* manager) : Frame("Credits", 800, 512, white, 7, manager) {}

Frame** get_frames(GameManager* manager)
{
    static Frame* frames[8] = {};
    if (!frames[0]) {
        frames[0] = new Frame1(manager);
        frames[1] = new Frame2(manager);
        frames[2] = new Frame3(manager);
        frames[3] = new Frame4(manager);
        frames[4] = new Frame5(manager);
        frames[5] = new Frame6(manager);
        frames[6] = new Frame7(manager);
        frames[7] = new Frame8(manager);
    }
    // The frames outlive any one manager only in tests, which build several
    // managers in one process; they always serve the current one.
    for (Frame* frame : frames)
        frame->manager = manager;
    return frames;
}

GameDefinition velmora_game() { return GameDefinition{get_frames, setup_globals}; }
