#pragma once

#include "gameplay/type_ids.h"

// The sound request record (a movement sound: x, category, detail).
const int type_sound_values = 103;

// Values of the input record (the keyboard variables).
enum Input {
    horizontal_held = 0,
    horizontal_pressed = 1,
    vertical_held = 2,
    vertical_pressed = 3,
    s_held = 4,
    s_pressed = 5,
    a_held = 6,
    a_pressed = 7,
    use_held = 8,
    use_pressed = 9,
    interface_a_held = 10,
    interface_a_pressed = 11,
    interface_s_held = 12,
    interface_s_pressed = 13,
    menu_step = 14,
    menu_repeat = 15,
    input_enabled = 16,
};

// The alchemist's values.
enum AlchemistValue {
    speed_x = 0,
    speed_y = 1,
    remainder_x = 2,
    remainder_y = 3,
    wall_left = 4,
    wall_right = 5,
    ceiling_above = 6,
    ground_below = 7,
    // Overlaps of the current horizontal step at heights -2 to +2.
    slope_probe = 8,
    move_mode = 13,
    climbing_flag = 14,
    step_x = 15,
    step_y = 16,
    saved_animation = 17,
    saved_frame = 18,
    wall_window = 19,
    saved_angle = 20,
    in_water = 21,
    stream_push = 23,
    roof_near = 24,
};

// Values of move_mode.
enum Mode { mode_hang = -1, mode_air = 0, mode_ground = 1 };

// Tick counter: frame variables value 4.
const int tick_counter = 4;
