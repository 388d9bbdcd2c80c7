// The options menu (written to Settings.ini at once) and the information
// pages with their links.
#include "frames/frame4.h"
#include "frames/frame4_ids.h"
#include "frames/globals.h"
#include "ini/ini.h"
#include "objects/active.h"
#include "objects/qualifiers.h"
#include "platform/platform.h"

#include <filesystem>

namespace {

enum OptionsEntry { entry_quality, entry_fullscreen, entry_back };
const int last_page = 2;

// Letters, digits and the few marks a file URL may carry as they are.
bool plain_in_url(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

std::string percent_encoded(const std::string& path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (plain_in_url(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace

std::string link_address(const std::string& address)
{
    if (address.find("://") != std::string::npos)
        return address;
    size_t fragment = address.find('#');
    std::string file = address.substr(0, fragment);
    std::filesystem::path absolute = std::filesystem::absolute(convert_path(get_app_path() + file)).lexically_normal();
    std::string url = "file://" + percent_encoded(absolute.string());
    if (fragment != std::string::npos)
        url += address.substr(fragment);
    return url;
}

void Frame4::run_options_menu()
{
    Active* selector = active(id_options_selector);
    if (enter_options_menu) {
        enter_options_menu = false;
        enter_menu(1280);
        reset_selector(selector);
    }
    move_cursor(selector, entry_back);

    int cursor = static_cast<int>(selector->alterable_values->get(selector_cursor, 0));
    FrameObject* restart_label = get_instance(id_restart_label);
    restart_label->set_visible(cursor == entry_fullscreen);

    INI* settings = ini(id_settings_ini);
    const std::string settings_file = strings->get(settings_path) + "/Settings.ini";
    if (key(key_confirm) == 1 && cursor == entry_quality) {
        int next = (static_cast<int>(settings->get_value("Quality", 0)) % 3 + 4) % 3;
        settings->set_value("Quality", 0, next);
        settings->save_file(settings_file, true);
        active(id_quality_label)->force_frame(next);
        values->set(quality, next);
        request_sound("Select");
    }
    if (key(key_confirm) == 1 && cursor == entry_fullscreen) {
        // The window itself changes at the next start of the program.
        int next = (static_cast<int>(settings->get_value("Fullscreen", 0)) % 2 + 3) % 2;
        settings->set_value("Fullscreen", 0, next);
        settings->save_file(settings_file, true);
        active(id_fullscreen_label)->force_frame(next);
        request_sound("Select");
    }
    if ((key(key_confirm) == 1 && cursor == entry_back) || key(key_escape) == 1) {
        restart_label->set_visible(false);
        back_to_main_menu(group_options_menu);
    }
}

void Frame4::run_information()
{
    AlterableValues* v = get_instance(id_frame_variables)->alterable_values;
    if (enter_information) {
        enter_information = false;
        v->set(information_page, 0);
        enter_menu(1792);
        set_cursor_visible(true);
    }

    for (const int* id = qualifier_84; *id != 0; ++id) {
        for (FrameObject* link : get_instances(*id)) {
            bool pointed = link->mouse_over();
            link->set_direction(pointed ? 1 : 0);
            if (pointed && is_mouse_pressed_once(MOUSE_BUTTON_LEFT))
                open_url(link_address(link->alterable_strings->get(0, "")));
        }
    }

    int page = static_cast<int>(v->get(information_page, 0));
    if (key(key_confirm) == 1 && page < last_page) {
        set_key(key_confirm, 0);
        v->set(information_page, ++page);
        request_sound("Select");
        set_display_center(-1, 1792 + 512 * page);
    }
    bool leave = (key(key_confirm) == 1 && page == last_page) || key(key_escape) == 1;
    if (leave && values->get(fullscreen_flag) == 1)
        set_cursor_visible(false);
    if (leave)
        back_to_main_menu(group_information);
}
