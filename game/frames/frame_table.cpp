#include "frames/frames.h"
#include "frames/globals.h"

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
