// The screen's ambient scenery each tick, in the order the tick shows it.
#include "gameplay/frame5.h"

void Frame5::run_scenery()
{
    sway_plants();
    pulse_glows();
    turn_fog();
    move_fireflies();
    run_items_in_level();
    run_water_objects();
    play_effects();
    run_people();
}
