// The main menu: the world check on the first tick, the keyboard, the fade-in,
// the menu groups in their fixed order, the menu sounds and the loading.
#include "frames/frame4.h"
#include "frames/frame4_ids.h"
#include "frames/globals.h"
#include "media/media.h"
#include "objects/image_table.h"
#include "objects/objects.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>

Frame4::Frame4(GameManager* manager) : Frame("Main Menu", 800, 3072, Color(255, 255, 255, 255), 3, manager) {}

void Frame4::on_start()
{
    if (!images_loaded) {
        preload_images_for({"MainMenu_31",
                            "TutorialLabel_41",
                            "PlayLabel_42",
                            "EraseLabel_43",
                            "OptionsLabel_44",
                            "FilmMusicLabel_45",
                            "CreditsLabel_46",
                            "ExitLabel_47",
                            "VelmoraTitle_29",
                            "MainMenuSelector_30",
                            "SlotMenu_32",
                            "BackLabel_48",
                            "SlotMenuSelector_33",
                            "Slot1Label_52",
                            "Slot2Label_53",
                            "Slot3Label_54",
                            "EraseBlob_35",
                            "HoldEnterToEraseLabel_49",
                            "OptionsMenu_38",
                            "OptionsMenuSelector_39",
                            "QualityLabel_50",
                            "FullscreenLabel_51",
                            "RestartTheGameForWindowModeToUpdate_55",
                            "Alchemyinfo_60",
                            "PressEnterToContinue_62",
                            "VelmoraLink_56",
                            "Ostrelinfo_61",
                            "OstrelBandcampLink_57",
                            "OstrelLink_58",
                            "Quilloninfo_63",
                            "TarrowinLink_64",
                            "GreenlightLink_65",
                            "ScreenFader_36"});
        images_loaded = true;
    }

    group_start = true;
    group_menu = true;
    group_main_menu = true;
    group_slot_menu = group_erase_menu = group_options_menu = group_information = false;
    group_loading = false;
    enter_main_menu = enter_slot_menu = enter_erase_menu = enter_options_menu = enter_information = true;
    load_world_file = load_level_data = load_settings_files = true;

    add_layer(1, 1, true);

    // Main menu screen.
    add_background_object(new MainMenu_31(0, 124), 0);
    add_background_object(new TutorialLabel_41(69, 234), 0);
    add_background_object(new PlayLabel_42(184, 234), 0);
    add_background_object(new EraseLabel_43(281, 234), 0);
    add_background_object(new OptionsLabel_44(375, 234), 0);
    add_background_object(new FilmMusicLabel_45(482, 219), 0);
    add_background_object(new CreditsLabel_46(577, 234), 0);
    add_background_object(new ExitLabel_47(688, 234), 0);
    add_background_object(new VelmoraTitle_29(200, 13), 0);
    add_object(new MainMenuSelector_30(199, 161), 0);

    // Slot and erase screen.
    add_background_object(new SlotMenu_32(0, 636), 0);
    add_background_object(new BackLabel_48(533, 746), 0);
    add_background_object(new VelmoraTitle_29(200, 525), 0);
    add_object(new SlotMenuSelector_33(248, 673), 0);
    add_object(new Slot1Label_52(248, 751), 0);
    add_object(new Slot2Label_53(349, 751), 0);
    add_object(new Slot3Label_54(450, 751), 0);
    add_object(new EraseBlob_35(248, 751), 0);
    add_object(new HoldEnterToEraseLabel_49(400, 825), 0);

    // Options screen.
    add_background_object(new OptionsMenu_38(0, 1148), 0);
    add_background_object(new BackLabel_48(484, 1258), 0);
    add_background_object(new VelmoraTitle_29(200, 1037), 0);
    add_object(new OptionsMenuSelector_39(299, 1185), 0);
    add_object(new QualityLabel_50(300, 1264), 0);
    add_object(new FullscreenLabel_51(401, 1263), 0);
    add_object(new RestartTheGameForWindowModeToUpdate_55(400, 1337), 0);

    // The three information pages.
    add_background_object(new Alchemyinfo_60(0, 1746), 0);
    add_background_object(new VelmoraTitle_29(200, 1549), 0);
    add_background_object(new PressEnterToContinue_62(308, 1992), 0);
    add_object(new VelmoraLink_56(562, 1895), 0);
    add_background_object(new Ostrelinfo_61(0, 2258), 0);
    add_background_object(new VelmoraTitle_29(200, 2061), 0);
    add_background_object(new PressEnterToContinue_62(308, 2504), 0);
    add_object(new OstrelBandcampLink_57(440, 2391), 0);
    add_object(new OstrelLink_58(509, 2410), 0);
    add_background_object(new Quilloninfo_63(0, 2770), 0);
    add_background_object(new VelmoraTitle_29(200, 2573), 0);
    add_background_object(new PressEnterToContinue_62(308, 3016), 0);
    add_object(new TarrowinLink_64(400, 2885), 0);
    add_object(new GreenlightLink_65(299, 2921), 0);

    // Data holders outside the visible area.
    add_object(new LevelIni_22(36, -120), 0);
    add_object(new ItemsIni_23(36, -84), 0);
    add_object(new ReactionsIni_24(36, -48), 0);
    add_object(new SettingsIni_3(0, -192), 0);
    add_object(new ContainersIni_25(0, -156), 0);
    add_object(new AbilitiesIni_26(0, -120), 0);
    add_object(new PowerConditionsIni_27(0, -84), 0);
    add_object(new PowersIni_28(0, -48), 0);
    add_object(new GameIni_0(36, -156), 0);
    add_object(new ScreenFader_36(72, -156), 0);
    add_object(new FrameVariables_37(36, -192), 0);
    add_object(new KeyboardVariables_34(72, -120), 0);
}

Active* Frame4::active(int type_id) { return static_cast<Active*>(get_instance(type_id)); }

INI* Frame4::ini(int type_id) { return static_cast<INI*>(get_instance(type_id)); }

double Frame4::key(int index) { return get_instance(id_keyboard)->alterable_values->get(index, 0); }

void Frame4::set_key(int index, double value) { get_instance(id_keyboard)->alterable_values->set(index, value); }

void Frame4::handle_events()
{
    if (group_start && !run_start_group())
        return;

    read_keyboard();
    if (group_menu) {
        fade_in();
        if (group_main_menu)
            run_main_menu();
        if (group_slot_menu)
            run_slot_menu();
        if (group_erase_menu)
            run_erase_menu();
        if (group_options_menu)
            run_options_menu();
        if (group_information)
            run_information();
    }
    run_sound();
    if (group_loading)
        run_loading();
}

// False when the world cannot be played and the Error frame follows.
bool Frame4::run_start_group()
{
    group_start = false;
    INI* game = ini(id_game_ini);
    INI* settings = ini(id_settings_ini);
    game->set_group("General", false);
    settings->set_group("General", false);

    if (media && !media->is_channel_playing(music_channel)) {
        media->set_channel_volume(music_channel, values->get(music_volume));
        media->play(get_app_path() + game->get_string("Menu Music", ""), music_channel, 0);
    }

    active(id_quality_label)->force_frame(static_cast<int>(settings->get_value("Quality", 0)));
    active(id_fullscreen_label)->force_frame(static_cast<int>(settings->get_value("Fullscreen", 0)));

    strings->set(world_path, get_app_path() + game->get_string("Default World", ""));
    if (!File::file_exists(convert_path(strings->get(world_path) + "\\World.ini"))) {
        strings->set(error_message, "World not found!");
        next_frame = 6;
        return false;
    }

    INI* level = ini(id_level_ini);
    level->load_file(strings->get(world_path) + "/World.ini", false, false, false);
    std::string save_folder =
        level->get_string("World", "Author", "No Author") + " - " + level->get_string("World", "Title", "No Title");
    if (save_folder == "No Author - No Title" || save_folder.find_first_of(".:\\/*?\"<>|") != std::string::npos) {
        strings->set(error_message, "Illegal characters found in this world's Title or Author strings!");
        next_frame = 6;
        return false;
    }
    strings->set(save_path, strings->get(settings_path) + "/" + save_folder);

    for (int id : {id_main_selector, id_slot_selector, id_options_selector}) {
        FrameObject* selector = get_instance(id);
        selector->alterable_values->set(selector_step, 100.4);
        selector->alterable_values->set(selector_x, selector->x);
        if (id != id_main_selector)
            selector->alterable_values->set(selector_start_x, selector->x);
    }

    for (int slot = 0; slot < 3; ++slot)
        active(qualifier_24[slot])->force_frame(File::file_exists(slot_file(slot)) ? 1 : 0);

    Active* fader = active(id_screen_fader);
    fader->set_position(0, 0);
    fader->set_x_scale(frame_right() / 32.0);
    fader->set_y_scale(frame_bottom() / 32.0);
    fader->move_front();

    if (values->get(credits_after_win) == 1) {
        group_main_menu = false;
        group_information = true;
        enter_information = true;
    }
    return true;
}

std::string Frame4::slot_file(int slot)
{
    return convert_path(strings->get(save_path) + "\\Slot " + std::to_string(slot + 1) + ".ini");
}

void Frame4::read_keyboard()
{
    for (int i = 0; i < 4; ++i)
        set_key(i, 0);
    if (is_key_pressed_once(KEY_LEFT))
        set_key(key_direction, -1);
    if (is_key_pressed_once(KEY_RIGHT))
        set_key(key_direction, 1);
    for (int confirm : {int(KEY_ENTER), int('A'), int('S')}) {
        if (is_key_pressed_once(confirm))
            set_key(key_confirm, 1);
        if (is_key_pressed(confirm))
            set_key(key_confirm_held, 1);
    }
    if (is_key_pressed_once(KEY_ESC))
        set_key(key_escape, 1);
}

void Frame4::fade_in()
{
    Color& fader = get_instance(id_screen_fader)->blend_color;
    fader.set_alpha_coefficient(std::min(255, fader.get_alpha_coefficient() + 4));
}

void Frame4::move_cursor(Active* selector, int highest)
{
    AlterableValues* v = selector->alterable_values;
    int cursor = static_cast<int>(v->get(selector_cursor, 0));
    int direction = static_cast<int>(key(key_direction));
    if ((direction == -1 && cursor > 0) || (direction == 1 && cursor < highest)) {
        v->set(selector_cursor, cursor + direction);
        v->set(selector_x, v->get(selector_x, 0) + direction * v->get(selector_step, 0));
        selector->set_x(static_cast<int>(v->get(selector_x, 0)));
        request_sound("Move Cursor");
    }
}

void Frame4::enter_menu(int view_y)
{
    set_key(key_confirm, 0);
    set_key(key_escape, 0);
    set_display_center(-1, view_y);
}

void Frame4::reset_selector(Active* selector)
{
    AlterableValues* v = selector->alterable_values;
    v->set(selector_cursor, 0);
    v->set(selector_x, v->get(selector_start_x, 0));
    selector->set_x(static_cast<int>(v->get(selector_x, 0)));
}

void Frame4::switch_menu(bool& from, bool& to, bool& to_marker)
{
    from = false;
    to = true;
    to_marker = true;
}

void Frame4::back_to_main_menu(bool& from)
{
    request_sound("Select");
    switch_menu(from, group_main_menu, enter_main_menu);
}

void Frame4::start_loading()
{
    group_menu = false;
    group_loading = true;
    load_world_file = load_level_data = load_settings_files = true;
}

void Frame4::request_sound(const std::string& name)
{
    get_instance(id_frame_variables)->alterable_strings->set(sound_name, name);
}

// Menu sounds take turns over channels 6 to 22 (counted from 1), so a new
// one never cuts off the last.
void Frame4::run_sound()
{
    FrameObject* variables = get_instance(id_frame_variables);
    AlterableValues* v = variables->alterable_values;
    if (variables->alterable_strings->get(sound_name, "") == "")
        return;
    int channel = static_cast<int>(v->get(next_sound_channel, 0)) - 1;
    if (media) {
        media->set_channel_frequency(channel, 0);
        media->set_channel_pan(channel, 0);
        media->set_channel_volume(channel, values->get(sound_volume));
    }
    if (media)
        media->play_name(variables->alterable_strings->get(sound_name, ""), channel, 1);
    variables->alterable_strings->set(sound_name, "");
    int next = (static_cast<int>(v->get(next_sound_channel, 0)) + 1) %
               (static_cast<int>(v->get(highest_sound_channel, 0)) + 1);
    v->set(next_sound_channel, std::max(v->get(lowest_sound_channel, 0), static_cast<double>(next)));
}
