// The land movement model: mode, climbing, hanging, running, jumps, the
// animation shown and the footstep requests. The speeds it sets are moved
// by the common movement.
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "objects/utility.h"
#include "objects/world_actives.h"
#include "platform/random.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {
// The window after letting go of a wall in which a pull-up or a late wall
// jump still counts.
const int wall_window_ticks = 5;
const int direction_right = 0;
const int direction_left = 16;

double get(FrameObject* obj, int index) { return obj->alterable_values->get(index, 0); }
void set(FrameObject* obj, int index, double value) { obj->alterable_values->set(index, value); }
} // namespace

void Frame5::request_movement_sound(const std::string& detail)
{
    FrameObject* request = get_instance(type_sound_values);
    set(request, 0, get_instance(type_id::TheAlchemist_82)->x);
    request->alterable_strings->set(0, "Footstep");
    request->alterable_strings->set(1, detail);
    run_loop("Sound", 1, [this] { sound_loop_hook(); });
}

void Frame5::handle_land_group()
{
    Active* alchemist = static_cast<Active*>(get_instance(type_id::TheAlchemist_82));
    FrameObject* input = get_instance(type_id::KeyboardVariables_83);
    AlterableStrings* mode_name = alchemist->alterable_strings;

    if (land_entry_armed) {
        alchemist->set_angle(0, 0);
        alchemist->restore_speed();
        land_entry_armed = false;
    }

    set(alchemist, move_mode, mode_air);
    mode_name->set(0, "Air");
    if (get(alchemist, ground_below) == 1) {
        set(alchemist, move_mode, mode_ground);
        mode_name->set(0, "Ground");
    }
    if (get(input, a_held) == 1 && get(input, vertical_held) < 1 && get(alchemist, ceiling_above) == 1 &&
        ability("Hang Power") == 1) {
        set(alchemist, move_mode, mode_hang);
        mode_name->set(0, "Hang");
    }

    // The alchemist climbs while A is held, climbing is allowed and the wall
    // he faces is touched, from the moment he falls or Up or Down is held.
    if ((get(alchemist, speed_y) > 0 && get(alchemist, move_mode) != mode_ground) || get(input, vertical_held) != 0)
        set(alchemist, climbing_flag, 1);
    int facing = alchemist->get_direction();
    if (get(input, a_held) != 1 || ability("Climb Power") == 0 ||
        (facing == direction_left && get(alchemist, wall_left) == 0) ||
        (facing == direction_right && get(alchemist, wall_right) == 0))
        set(alchemist, climbing_flag, 0);

    const std::string mode = mode_name->get(0, "");
    const double limit = ability("X " + mode + " Limit");
    const double acceleration = ability("X " + mode + " Acceleration");
    double speed = get(alchemist, speed_x);
    if (get(input, horizontal_held) == -1 && speed > -limit)
        speed = std::max(speed - acceleration, -limit);
    if (get(input, horizontal_held) == 1 && speed < limit)
        speed = std::min(speed + acceleration, limit);
    // In the air a speed carried over from the ground above the air limit
    // stays; it only stops growing.
    if (get(alchemist, move_mode) != mode_air)
        speed = Utility::Limit(static_cast<float>(speed), static_cast<float>(-limit), static_cast<float>(limit));
    if (get(input, horizontal_held) == 0) {
        if (speed < 0)
            speed = std::min(speed + acceleration, 0.0);
        if (speed > 0)
            speed = std::max(speed - acceleration, 0.0);
    }
    set(alchemist, speed_x, speed);

    set(alchemist, speed_y, std::min(get(alchemist, speed_y) + ability("Y Gravity"), ability("Y Fall Limit")));
    if (get(alchemist, move_mode) == mode_hang)
        set(alchemist, speed_y, 0);
    const double climb_speed = ability("Climb Speed");
    if (get(alchemist, climbing_flag) == 1)
        set(alchemist, speed_y, climb_speed * get(input, vertical_held));

    set(alchemist, wall_window, std::max(get(alchemist, wall_window) - 1, 0.0));
    if (get(alchemist, climbing_flag) == 1)
        set(alchemist, wall_window, wall_window_ticks);

    // Pull up: the climb ended one to four ticks ago because the wall ended.
    double window = get(alchemist, wall_window);
    if (get(input, vertical_held) == -1 && climb_speed > 0 && window > 0 && window < wall_window_ticks) {
        double pull_x = ability("Climb Pull Up X Speed");
        set(alchemist, speed_x, Utility::ModifyRange(facing, 0, 16, pull_x, -pull_x, false));
        set(alchemist, speed_y, -ability("Climb Pull Up Y Speed"));
    }

    if (get(input, a_held) == 1 && get(alchemist, move_mode) == mode_ground && get(alchemist, roof_near) == 1 &&
        ability("Hang Power") == 1) {
        set(alchemist, speed_y, -ability("Y Grab Roof Jump Strength"));
        request_movement_sound("Jump");
    }
    if (get(input, s_pressed) == 1 && get(alchemist, move_mode) == mode_ground) {
        set(alchemist, speed_y, -ability("Y Jump Strength"));
        request_movement_sound("Jump Underwater=" + std::to_string(static_cast<int>(get(alchemist, in_water))));
    }
    const double wall_jump_x = ability("Walljump X Speed");
    // Off the wall the climber faces.
    if (get(input, s_pressed) == 1 && get(alchemist, climbing_flag) == 1) {
        set(alchemist, speed_y, -ability("Walljump Y Jump Strength"));
        set(alchemist, speed_x, Utility::ModifyRange(facing, 0, 16, -wall_jump_x, wall_jump_x, false));
        set(alchemist, wall_window, 0);
        request_movement_sound("Jump");
    }
    // Late: let go of the wall less than five ticks ago, now in the air; the
    // jump goes the way he faces now.
    if (get(input, s_pressed) == 1 && get(alchemist, wall_window) > 0 && get(alchemist, move_mode) == mode_air &&
        get(alchemist, climbing_flag) == 0) {
        set(alchemist, speed_y, -ability("Walljump Y Jump Strength"));
        set(alchemist, speed_x, Utility::ModifyRange(facing, 0, 16, wall_jump_x, -wall_jump_x, false));
        set(alchemist, wall_window, 0);
        request_movement_sound("Jump");
    }

    choose_land_animation(alchemist);
    play_step_sounds(alchemist);

    ObjectList& surfaces = get_instances(type_id::WaterSurface_94);
    if (surfaces.size() == 1 && alchemist->y >= surfaces.front()->y && ability("Disable Swim") == 0)
        enter_water_hook();
}

void Frame5::choose_land_animation(Active* alchemist)
{
    double mode = get(alchemist, move_mode);
    bool climbing = get(alchemist, climbing_flag) == 1;
    double speed = get(alchemist, speed_x);
    double fall = get(alchemist, speed_y);
    if (mode == mode_ground && !climbing)
        alchemist->force_animation(speed == 0 ? 1 : 2);
    make_step_smoke(alchemist);
    if (mode == mode_air && !climbing)
        alchemist->force_animation(fall < 0 ? 7 : 8);
    if (mode >= mode_air && climbing) {
        alchemist->force_animation(9);
        if (fall == 0)
            alchemist->force_frame(0);
    }
    if (mode == mode_hang) {
        alchemist->force_animation(14);
        if (speed == 0)
            alchemist->force_frame(0);
    }
}

void Frame5::make_step_smoke(Active* alchemist)
{
    double ticks = get(get_instance(type_id::FrameVariables_115), tick_counter);
    if (get(alchemist, move_mode) != mode_ground ||
        std::trunc(std::fabs(get(alchemist, speed_x))) < ability("Run Effect X Threshold") || std::fmod(ticks, 2) != 0)
        return;
    Active* smoke = new StepSmoke_120(alchemist->x, alchemist->y + 12);
    create_object(smoke, alchemist->layer_index);
    smoke->force_animation(12);
    set(smoke, 1, randrange(5) - 2);
    smoke->move_back(alchemist);
}

void Frame5::handle_step_smoke()
{
    for (FrameObject* obj : get_instances(type_id::StepSmoke_120)) {
        Active* smoke = static_cast<Active*>(obj);
        smoke->set_y(smoke->y + 1 - randrange(4));
        smoke->set_angle(smoke->get_angle() + get(smoke, 1), 0);
        smoke->blend_color.set_alpha_coefficient(static_cast<int>(8 * get(smoke, 0)));
        set(smoke, 0, get(smoke, 0) + 1);
        if (get(smoke, 0) >= 32)
            destroy_object(smoke);
    }
}

void Frame5::play_step_sounds(Active* alchemist)
{
    FrameObject* input = get_instance(type_id::KeyboardVariables_83);
    double ticks = get(get_instance(type_id::FrameVariables_115), tick_counter);
    bool horizontal = get(input, horizontal_held) != 0;
    if (get(alchemist, move_mode) == mode_ground && horizontal && std::fmod(ticks, 9) == 0)
        request_movement_sound("Step Underwater=" + std::to_string(static_cast<int>(get(alchemist, in_water))));
    if (get(alchemist, climbing_flag) == 1 && get(input, vertical_held) != 0 && ability("Climb Speed") > 0 &&
        (std::fmod(ticks, 7) == 0 || std::fmod(ticks, 8) == 0))
        request_movement_sound("Climb");
    if (get(alchemist, move_mode) == mode_hang && horizontal && ability("Hang Power") == 1 && std::fmod(ticks, 14) == 0)
        request_movement_sound("Hang");
}
