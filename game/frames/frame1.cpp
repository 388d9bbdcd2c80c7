// The Initialization frame: data paths, the program's and the user's
// settings, the window, the world, then the logos (first run) or the menu.
#include "frames/frame1.h"
#include "frames/globals.h"
#include "media/media.h"
#include "objects/ini_types.h"

#include "font/font.h"
#include "image/image.h"
#include "platform/platform.h"
#include "shader/glsl_shader.h"

namespace {
const int logos_marker_channel = 31;
}

Frame1::Frame1(GameManager* manager) : Frame("Initialization", 800, 512, Color(255, 255, 255, 255), 0, manager) {}

void Frame1::on_start()
{
    group_initialize = true;
    add_layer(1, 1, true);
    add_object(new GameIni_0(36, -48), 0);
    add_object(new WorldIni_2(72, -48), 0);
    add_object(new SettingsIni_3(0, -48), 0);
}

void Frame1::choose_settings_path(bool portable)
{
    if (portable) {
        strings->set(settings_path, get_app_path() + "Settings");
        return;
    }
    const std::string platform = get_platform();
    const std::string home = File::get_appdata_directory();
    if (platform == "Ravel Windows")
        strings->set(settings_path, home + "\\" + strings->get(settings_subdir_backslash));
    else if (platform == "Corvane Linux")
        strings->set(settings_path, home + "/." + strings->get(settings_subdir));
    else
        strings->set(settings_path, home + "/" + strings->get(settings_subdir));
}

void Frame1::handle_events()
{
    if (!group_initialize)
        return;

    set_image_path(get_app_path() + "World/Sprites.dat");
    set_shader_path(get_app_path() + "Data/Shaders");
    if (media)
        media->set_sounds_path(get_app_path() + "World/Sounds");
    set_font_path(get_app_path() + "Data/Ubuntu-Mono Regular.ttf");

    INI* game = static_cast<INI*>(get_instance(1));
    game->load_file(get_app_path() + "Game.ini", true, false, false);
    game->set_group("General", false);

    choose_settings_path(game->get_value("Portable Mode", 0) == 1);

    INI* settings = static_cast<INI*>(get_instance(3));
    settings->load_file(strings->get(settings_path) + "/Settings.ini", false, false, false);
    settings->set_group("General", false);

    // Anything but 1 (only a hand-edited file can hold it) opens a window.
    if (settings->get_value("Fullscreen", 0) == 1) {
        set_cursor_visible(false);
        manager->set_window(true);
        values->set(fullscreen_flag, 1);
    } else {
        manager->set_window(false);
    }

    values->set(quality, settings->get_value("Quality", 0));
    strings->set(world_path, get_app_path() + "/" + game->get_string("Default World", ""));

    INI* world = static_cast<INI*>(get_instance(2));
    world->load_file(strings->get(world_path) + "/World.ini", true, false, false);

    if (media && media->get_channel_volume(logos_marker_channel) == 100) {
        media->set_channel_volume(logos_marker_channel, 0);
        next_frame = 1;
    } else {
        next_frame = 3;
    }
    group_initialize = false;
}
