#pragma once

// The main menu's object type ids and the alterable indices its events use.

enum Frame4TypeId : int {
    id_game_ini = 1,
    id_settings_ini = 3,
    id_level_ini = 15,
    id_items_ini = 16,
    id_reactions_ini = 17,
    id_containers_ini = 18,
    id_abilities_ini = 19,
    id_power_conditions_ini = 20,
    id_powers_ini = 21,
    id_main_selector = 23,
    id_slot_selector = 26,
    id_keyboard = 27,
    id_erase_blob = 28,
    id_screen_fader = 29,
    id_frame_variables = 30,
    id_options_selector = 32,
    id_hold_to_erase_label = 41,
    id_quality_label = 42,
    id_fullscreen_label = 43,
    id_restart_label = 47,
};

// Keyboard Variables, refilled every tick.
enum KeyboardValue : int { key_direction = 0, key_confirm = 1, key_confirm_held = 2, key_escape = 3 };

// Values of each selector.
enum SelectorValue : int { selector_cursor = 0, selector_step = 1, selector_x = 2, selector_start_x = 3 };

// Frame Variables: the menu sound channels (counted from 1) and the page.
enum FrameValue : int {
    next_sound_channel = 1,
    lowest_sound_channel = 2,
    highest_sound_channel = 3,
    erase_sound_channel = 4,
    information_page = 5,
};
// Frame Variables string: the menu sound to play next, "" for none.
const int sound_name = 0;

// Erase Blob value: the countdown in ticks, -1 when idle.
const int erase_countdown = 0;

const int music_channel = 4;
