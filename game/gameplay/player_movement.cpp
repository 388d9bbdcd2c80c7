// The movement both models share: the speeds become whole-pixel steps
// against the obstacles, then the surroundings are probed for the next tick.
// Collision tests use boxes forced for the moment of the test; the animation
// shown is put back before the tick ends.
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "objects/active.h"

#include <cmath>

namespace {
// Animations of the alchemist that are never shown.
const int movement_box = 12;
const int wall_probe_box = 13;

double get(FrameObject* obj, int index) { return obj->alterable_values->get(index, 0); }
void set(FrameObject* obj, int index, double value) { obj->alterable_values->set(index, value); }
int sign(double v) { return (v > 0) - (v < 0); }
} // namespace

void Frame5::handle_common_movement()
{
    Active* alchemist = static_cast<Active*>(get_instance(type_id::TheAlchemist_82));
    set(alchemist, saved_animation, alchemist->get_animation());
    set(alchemist, saved_frame, alchemist->get_frame());
    set(alchemist, saved_angle, alchemist->get_angle());
    alchemist->force_animation(movement_box);
    alchemist->set_angle(0, 0);

    streams_hook(alchemist);

    set(alchemist, remainder_x,
        get(alchemist, remainder_x) + (get(alchemist, stream_push) + get(alchemist, speed_x)) / 256);
    set(alchemist, remainder_y, get(alchemist, remainder_y) + get(alchemist, speed_y) / 256);
    if (get(alchemist, speed_x) < 0)
        alchemist->set_direction(16);
    if (get(alchemist, speed_x) > 0)
        alchemist->set_direction(0);
    set(alchemist, step_x, sign(get(alchemist, remainder_x)));
    set(alchemist, step_y, sign(get(alchemist, remainder_y)));

    // A screen change inside a loop switches the player group off: the rest
    // of the movement waits for the new screen.
    group_vertical_move = true;
    run_loop("Alchemist Y Move", static_cast<int>(std::fabs(std::trunc(get(alchemist, remainder_y)))),
             [this] { loop_alchemist_y_move(); });
    if (!group_player)
        return;
    group_horizontal_move = true;
    run_loop("Alchemist X Move", static_cast<int>(std::fabs(std::trunc(get(alchemist, remainder_x)))),
             [this] { loop_alchemist_x_move(); });
    if (!group_player)
        return;
    if (group_vertical_move) {
        set(alchemist, remainder_y, get(alchemist, remainder_y) - std::trunc(get(alchemist, remainder_y)));
        group_vertical_move = false;
    }
    if (group_horizontal_move) {
        set(alchemist, remainder_x, get(alchemist, remainder_x) - std::trunc(get(alchemist, remainder_x)));
        group_horizontal_move = false;
    }

    probe_surroundings(alchemist);
    touch_containers(alchemist);
    hazard_contact_hook(alchemist);
    restore_shown_animation(alchemist, true);
}

void Frame5::probe_surroundings(Active* alchemist)
{
    for (int flag : {wall_left, wall_right, ceiling_above, ground_below, roof_near})
        set(alchemist, flag, 0);
    // The wall box stops above the feet, so ground and one-pixel steps never
    // read as walls.
    alchemist->force_animation(wall_probe_box);
    alchemist->set_x(alchemist->x - 1);
    if (alchemist->overlaps_background())
        set(alchemist, wall_left, 1);
    alchemist->set_x(alchemist->x + 2);
    if (alchemist->overlaps_background())
        set(alchemist, wall_right, 1);
    alchemist->set_x(alchemist->x - 1);
    alchemist->force_animation(movement_box);
    alchemist->set_y(alchemist->y - 1);
    if (alchemist->overlaps_background())
        set(alchemist, ceiling_above, 1);
    alchemist->set_y(alchemist->y + 2);
    if (alchemist->overlaps_background())
        set(alchemist, ground_below, 1);
    alchemist->set_y(alchemist->y - 6);
    if (alchemist->overlaps_background())
        set(alchemist, roof_near, 1);
    alchemist->set_y(alchemist->y + 5);
}

void Frame5::touch_containers(Active* alchemist)
{
    FrameObject* frame_variables = get_instance(type_id::FrameVariables_115);
    frame_variables->alterable_strings->set(0, "");
    for (FrameObject* container : get_instances(type_id::ItemContainer_89)) {
        if (!alchemist->overlaps(container))
            continue;
        set(frame_variables, 0, container->get_fixed());
        frame_variables->alterable_strings->set(0, container->alterable_strings->get(0, ""));
        return;
    }
}

void Frame5::restore_shown_animation(Active* alchemist, bool with_angle)
{
    alchemist->force_animation(static_cast<int>(get(alchemist, saved_animation)));
    alchemist->force_frame(static_cast<int>(get(alchemist, saved_frame)));
    alchemist->restore_frame();
    if (with_angle)
        alchemist->set_angle(get(alchemist, saved_angle), 0);
}
