// The pixel steps of the common movement. A horizontal step probes five
// heights around the alchemist's feet, so that he walks up and down slopes
// and one-pixel steps and is stopped by anything taller.
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "objects/active.h"

#include <cmath>

namespace {
double get(FrameObject* obj, int index) { return obj->alterable_values->get(index, 0); }
void set(FrameObject* obj, int index, double value) { obj->alterable_values->set(index, value); }
const int probe_heights = 5;
} // namespace

void Frame5::leave_screen(Active* alchemist, int dx, int dy)
{
    change_screen(dx, dy);
    restore_shown_animation(alchemist, dx != 0);
}

void Frame5::loop_alchemist_y_move()
{
    if (!(group_gameplay && group_player && group_vertical_move))
        return;
    Active* alchemist = static_cast<Active*>(get_instance(type_id::TheAlchemist_82));
    int step = static_cast<int>(get(alchemist, step_y));
    alchemist->set_y(alchemist->y + step);
    if (alchemist->overlaps_background()) {
        alchemist->set_y(alchemist->y - step);
        set(alchemist, speed_y, 0);
        set(alchemist, remainder_y, 0);
        group_vertical_move = false;
    }
    if (alchemist->y < 0)
        leave_screen(alchemist, 0, -1);
    else if (alchemist->y > height)
        leave_screen(alchemist, 0, 1);
}

void Frame5::loop_alchemist_x_move()
{
    if (!(group_gameplay && group_player && group_horizontal_move))
        return;
    Active* alchemist = static_cast<Active*>(get_instance(type_id::TheAlchemist_82));
    int step = static_cast<int>(get(alchemist, step_x));
    alchemist->set_x(alchemist->x + step);
    alchemist->set_y(alchemist->y - 2);
    for (int i = 0; i < probe_heights; ++i)
        set(alchemist, slope_probe + i, 0);
    run_loop("Alchemist Overlap Test", probe_heights, [this] { loop_alchemist_overlap_test(); });
    alchemist->set_y(alchemist->y - 3);

    bool above2 = get(alchemist, slope_probe) == 1;
    bool above1 = get(alchemist, slope_probe + 1) == 1;
    bool here = get(alchemist, slope_probe + 2) == 1;
    bool below1 = get(alchemist, slope_probe + 3) == 1;
    bool below2 = get(alchemist, slope_probe + 4) == 1;
    int follow = 0;
    if (get(alchemist, move_mode) == mode_hang && above2 && !above1)
        follow = -1; // the ceiling he hangs from rises
    else if (!above1 && here)
        follow = -1; // a slope or a step of one pixel
    else if (!below1 && below2 && !group_swim &&
             ability("Ignore Down Slope Detection Threshold") > std::trunc(std::fabs(get(alchemist, speed_x))))
        follow = 1; // the ground falls away by one pixel and he is not fast
    else if (here && !below1)
        follow = 1;
    if (follow != 0) {
        alchemist->set_y(alchemist->y + follow);
        set(alchemist, remainder_y, get(alchemist, remainder_y) + follow);
    }

    if (above1 && here && below1) {
        alchemist->set_x(alchemist->x - step);
        // A stream pushing into the wall cancels out.
        set(alchemist, speed_x, -get(alchemist, stream_push));
        set(alchemist, remainder_x, 0);
        group_horizontal_move = false;
    }
    if (alchemist->x < 0)
        leave_screen(alchemist, -1, 0);
    else if (alchemist->x > width)
        leave_screen(alchemist, 1, 0);
}

void Frame5::loop_alchemist_overlap_test()
{
    Active* alchemist = static_cast<Active*>(get_instance(type_id::TheAlchemist_82));
    if (alchemist->overlaps_background())
        set(alchemist, slope_probe + get_loop_index("Alchemist Overlap Test"), 1);
    alchemist->set_y(alchemist->y + 1);
}
