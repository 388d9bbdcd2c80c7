// The Game Title frame: the title and its subtitle fade in while glints slide
// apart along their lines; the menu music starts here and plays on into the
// main menu.
#include "frames/frame3.h"
#include "frames/globals.h"
#include "frames/skip_keys.h"
#include "media/media.h"
#include "objects/image_table.h"
#include "objects/objects.h"
#include "platform/platform.h"

namespace {
const int game_ini_id = 1;
const int frame_variables_id = 6;
const int left_slider_id = 7;
const int right_slider_id = 8;
const int title_fader_id = 9;
const int the_game_fader_id = 10;
const int tick_counter = 0;
const int music_channel = 4;
const int last_tick = 420;
} // namespace

Frame3::Frame3(GameManager* manager) : Frame("Game Title", 800, 512, Color(255, 255, 255, 255), 2, manager) {}

void Frame3::on_start()
{
    if (run_count == 0)
        preload_images_for({"Title_19", "TitleLine_18", "DocumentaryTitle_20", "SubLine_21", "LeftSlider_14",
                            "RightSlider_15", "TitleFader_16", "TheGameFader_17", "FrameVariables_13"});
    add_layer(1, 1, true);
    add_background_object(new Title_19(200, 136), 0);
    add_background_object(new TitleLine_18(60, 248), 0);
    add_background_object(new DocumentaryTitle_20(297, 311), 0);
    add_background_object(new SubLine_21(250, 342), 0);
    add_object(new LeftSlider_14(54, 245), 0);
    add_object(new LeftSlider_14(244, 340), 0);
    add_object(new RightSlider_15(348, 244), 0);
    add_object(new RightSlider_15(155, 338), 0);
    add_object(new TitleFader_16(59, 135), 0);
    add_object(new TheGameFader_17(246, 302), 0);
    add_object(new FrameVariables_13(0, -48), 0);
    add_object(new GameIni_0(72, -48), 0);
}

// The faders start opaque over the title and the subtitle; their alpha
// coefficient climbs by one a tick until they are fully transparent.
void Frame3::fade_in_title(int ticks)
{
    if (ticks >= 25)
        for (FrameObject* fader : get_instances(title_fader_id))
            fader->blend_color.set_alpha_coefficient(fader->blend_color.get_alpha_coefficient() + 1);
    if (ticks >= 90)
        for (FrameObject* fader : get_instances(the_game_fader_id))
            fader->blend_color.set_alpha_coefficient(
                static_cast<int>(fader->blend_color.get_alpha_coefficient() + 1.5));
}

void Frame3::slide_lines()
{
    for (FrameObject* slider : get_instances(left_slider_id))
        slider->set_x(slider->x - 2);
    for (FrameObject* slider : get_instances(right_slider_id))
        slider->set_x(slider->x + 2);
}

void Frame3::handle_events()
{
    if (start_music.fire(*this)) {
        INI* game = static_cast<INI*>(get_instance(game_ini_id));
        game->set_group("General", false);
        media->set_channel_volume(music_channel, values->get(music_volume));
        media->play(get_app_path() + game->get_string("Menu Music", ""), music_channel, 0);
    }

    FrameObject* variables = get_instance(frame_variables_id);
    variables->alterable_values->add(tick_counter, 1);
    const int ticks = static_cast<int>(variables->alterable_values->get(tick_counter, 0));

    if (brighten_sliders.fire(*this)) {
        const int sliders_and_faders[] = {left_slider_id, right_slider_id, title_fader_id, the_game_fader_id};
        for (int type_id : sliders_and_faders)
            for (FrameObject* obj : get_instances(type_id))
                static_cast<Active*>(obj)->force_direction(1);
    }

    fade_in_title(ticks);
    slide_lines();

    if (skip_key_pressed(*this))
        next_frame = index + 1;
    if (ticks == last_tick)
        next_frame = index + 1;
}
