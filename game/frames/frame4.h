#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"

#include <string>

class Active;
class INI;

// "Main Menu": slots, options, information and world loading. Each menu is a
// 512-pixel screen of the tall frame; moving between menus moves the view.
class Frame4 : public Frame {
public:
    explicit Frame4(GameManager* manager);
    void on_start() override;
    void handle_events() override;

    void loop_get_level_data();

private:
    // Event groups.
    bool group_start = true;
    bool group_menu = true;
    bool group_main_menu = true;
    bool group_slot_menu = false;
    bool group_erase_menu = false;
    bool group_options_menu = false;
    bool group_information = false;
    bool group_loading = false;

    // Once-markers armed whenever their group is switched on.
    bool enter_main_menu = true;
    bool enter_slot_menu = true;
    bool enter_erase_menu = true;
    bool enter_options_menu = true;
    bool enter_information = true;
    bool load_world_file = true;
    bool load_level_data = true;
    bool load_settings_files = true;

    bool images_loaded = false;

    bool run_start_group();
    void read_keyboard();
    void fade_in();
    void run_main_menu();
    void run_slot_menu();
    void run_erase_menu();
    void run_options_menu();
    void run_information();
    void run_sound();
    void run_loading();

    // Moves a menu's selector by one step for Left and Right within 0 to
    // `highest`.
    void move_cursor(Active* selector, int highest);
    // Clears the keys that opened a menu and moves the view to its screen.
    void enter_menu(int view_y);
    void reset_selector(Active* selector);
    void switch_menu(bool& from, bool& to, bool& to_marker);
    void back_to_main_menu(bool& from);
    void start_loading();
    void request_sound(const std::string& name);
    // The save file of slot `slot` (0 to 2).
    std::string slot_file(int slot);

    Active* active(int type_id);
    INI* ini(int type_id);
    double key(int index);
    void set_key(int index, double value);
};

// The address the desktop is given for a link: an address without a scheme
// names a file of the game directory and becomes an absolute file URL.
std::string link_address(const std::string& address);
