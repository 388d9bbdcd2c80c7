// Streams and water surfaces of a screen.
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "objects/world_actives.h"
#include "platform/random.h"
#include "shader/effects.h"

namespace {
const int in_water_flag = 21;
} // namespace

void Frame5::place_stream(char c)
{
    if (c == 'S' || c == 's') {
        // A falling stream: an additive sheet and, at higher quality, a
        // distortion of what lies behind it.
        const double base_width = c == 'S' ? 0.75 : 0.25;
        Active* sheet = place(new StaticDecorationAnimation_73(cx, cy), 4);
        sheet->force_animation(16);
        sheet->set_x_scale(base_width + randrange(25) / 100.0);
        show_frame(sheet, randrange(62));
        sheet->force_speed(80 + randrange(20));
        sheet->set_shader(additive_shader);
        if (values->get(quality) <= 1) {
            Active* haze = place(new StaticDecorationAnimation_73(cx, cy), 5);
            haze->force_animation(17);
            haze->force_speed(80 + randrange(20));
            haze->set_shader(offset_shader);
            haze->set_shader_parameter("width", 3);
            haze->set_shader_parameter("height", 0);
            if (c == 's')
                haze->set_x_scale(0.5);
        }
    } else if (c == '<' || c == '>') {
        Active* stream = place(new Stream_104(cx, cy), 4);
        stream->set_scale(2.5);
        stream->set_direction(c == '<' ? 1 : 2);
        stream->force_speed(80 + randrange(20));
        show_frame(stream, randrange(60));
        stream->set_shader(additive_shader);
        stream->alterable_values->set(0, c == '<' ? -1 : 1);
    }
}

void Frame5::place_water()
{
    const int row = get_loop_index("Terrain Y");
    Active* surface = place(new WaterSurface_94(0, row == 0 ? 0 : cy - 12), 4);
    if (row > 0)
        run_loop("Surface Effect", 1, [this] { loop_surface_effect(); });
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    surface->set_shader(subtract_shader);
    surface->set_scale(width / 256.0);
    surface->set_direction(1 + static_cast<int>(level->get_value("Water Type", 0)));

    FrameObject* alchemist = get_instance(type_id::TheAlchemist_82);
    for (FrameObject* water : get_instances(type_id::WaterSurface_94)) {
        if (water->y < alchemist->y) {
            alchemist->alterable_values->set(in_water_flag, 1);
            break;
        }
    }

    if (values->get(quality) == 0) {
        FrameObject* first = get_instances(type_id::WaterSurface_94)[0];
        Active* distortion = place(new WaterDistortion_100(first->x, first->y), first->layer_index);
        distortion->set_layer(7);
        distortion->set_scale(8);
        distortion->set_shader(offset_shader);
        distortion->set_shader_parameter("width", 0.3);
        distortion->set_shader_parameter("height", 0.1);
    }
}
