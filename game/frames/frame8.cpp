// The Credits frame: the world's Credits.png scrolls up from below the screen
// over the menu music, then the main menu follows. After a won game
// credits_after_win stays 1, so the menu opens on its information pages.
#include "frames/frame8.h"
#include "frames/globals.h"
#include "image/image.h"
#include "media/media.h"
#include "objects/objects.h"
#include "platform/platform.h"

namespace {
const int game_ini_id = 1;
const int credits_id = 136;
const int music_channel = 4;
const int main_menu_frame = 3;
// The picture is done once its bottom edge is this far above the screen.
const int scrolled_past = -10;
} // namespace

Frame8::Frame8(GameManager* manager) : Frame("Credits", 800, 512, Color(255, 255, 255, 255), 7, manager) {}

void Frame8::on_start()
{
    add_layer(1, 1, true);
    add_object(new GameIni_0(0, -48), 0);
    add_object(new Credits_147(48, 528), 0);
}

void Frame8::handle_events()
{
    ActivePicture* credits = static_cast<ActivePicture*>(get_instance(credits_id));
    if (load_credits.fire(*this)) {
        INI* game = static_cast<INI*>(get_instance(game_ini_id));
        game->set_group("General", false);
        if (!media->is_channel_playing(music_channel)) {
            media->set_channel_volume(music_channel, values->get(music_volume));
            media->play(get_app_path() + game->get_string("Menu Music", ""), music_channel, 0);
        }
        credits->load(strings->get(world_path) + "\\Credits.png");
    }

    credits->set_y(credits->y - 1);

    if (!credits->image) {
        values->set(credits_after_win, 0);
        next_frame = main_menu_frame;
        return;
    }
    const int bottom = credits->y + credits->image->height;
    if (bottom >= scrolled_past && is_key_pressed_once(KEY_ESC))
        next_frame = main_menu_frame;
    if (bottom < scrolled_past)
        next_frame = main_menu_frame;
}
