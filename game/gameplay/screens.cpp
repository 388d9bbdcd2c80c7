// Screens: building the current screen from the level data, showing the
// alchemist, and tearing a screen down when the alchemist leaves it.
#include "frame/selection.h"
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "objects/objects.h"
#include "platform/random.h"

#include <string>

namespace {

const int light_and_water_types[] = {
    type_id::Glow1_71,
    type_id::Glow2_76,
    type_id::Glow3_77,
    type_id::Glow4_78,
    type_id::Fog5_79,
    type_id::Fog6_80,
    type_id::WaterSurface_94,
    type_id::WaterWave_97,
    type_id::WaterSurfaceGlimmer_98,
    type_id::WaterDistortion_100,
};

// What belongs to one screen and goes when the alchemist leaves it.
const int screen_types[] = {
    type_id::SineRotator_70,
    type_id::Glow1_71,
    type_id::StaticDecorationAnimation_73,
    type_id::Firefly_75,
    type_id::Glow2_76,
    type_id::Glow3_77,
    type_id::Glow4_78,
    type_id::Fog5_79,
    type_id::Fog6_80,
    type_id::ContainerDisplay_84,
    type_id::ItemContainer_89,
    type_id::WaterSurface_94,
    type_id::WaterBubble_96,
    type_id::WaterWave_97,
    type_id::WaterSurfaceGlimmer_98,
    type_id::AutomaticallyPlacedBackgrounds_99,
    type_id::WaterDistortion_100,
    type_id::Stream_104,
    type_id::Walker_105,
    type_id::Dangers_106,
    type_id::Effect_107,
    type_id::PlayerInteractionLight_108,
    type_id::People_116,
    type_id::Exploder_118,
    type_id::Bullet_119,
    type_id::StepSmoke_120,
    type_id::Birdfly_125,
    type_id::WinSprite_126,
    type_id::HiddenSavepoint_129,
    type_id::DropRow_131,
    type_id::Teleporter_133,
};

const int armed_types[] = {type_id::Walker_105, type_id::Dangers_106, type_id::Exploder_118, type_id::Bullet_119};

const int terrain_layer = 4;
const int tile_layer = 5;
const int caption_layer = 7;

} // namespace

void Frame5::run_show_player_group()
{
    get_instance(type_id::TheAlchemist_82)->set_visible(true);
    group_show_player = false;
    group_player = true;
}

void Frame5::run_screen_build_group()
{
    get_instance(type_id::FrameVariables_115)->alterable_strings->set(1, "");
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    level->set_group(std::to_string(static_cast<int>(values->get(map_x))) + "," +
                         std::to_string(static_cast<int>(values->get(map_y))),
                     false);
    set_background_color(static_cast<int>(level->get_value("Gradient Top", 0)));

    FrameObject* gradient = get_instance(type_id::GradientBottom_66);
    gradient->set_layer(0);
    gradient->set_position(0, 0);
    static_cast<Active*>(gradient)->set_x_scale(width / 256.0);
    static_cast<Active*>(gradient)->set_y_scale(height / 256.0);
    gradient->set_blend_color(static_cast<int>(level->get_value("Gradient Bottom", 0)));
    gradient->set_visible(true);

    queue_screen_music();
    if (level->get_string("Background", "") == "Desert")
        place_desert_background(level);
    static_cast<Text*>(get_instance(type_id::TextObject_113))->set_string(level->get_string("Text", ""));

    set_random_seed(0);
    FrameObject* obstacle_paster = get_instance(type_id::ObstacleTilePaster_81);
    obstacle_paster->set_layer(terrain_layer);
    obstacle_paster->blend_color.set_alpha_coefficient(255);
    get_instance(type_id::TilePaster_67)->set_layer(tile_layer);
    read_map_classes();
    run_loop("Terrain Y", static_cast<int>(values->get(screen_rows)), [this] { loop_terrain_y(); });

    ObjectList containers = get_instances(type_id::ItemContainer_89);
    spread_value(containers, 0, 0);
    run_loop("Container Interaction Light", static_cast<int>(containers.size()),
             [this] { loop_container_interaction_light(); });

    order_screen_objects();
    group_screen_build = false;
    group_show_player = true;
}

void Frame5::place_desert_background(INI* level)
{
    Active* desert = place(new AutomaticallyPlacedBackgrounds_99(0, 512), 1);
    desert->force_animation(12);
    desert->set_scale(2.5);
    // Offset 0 puts the picture's left edge at the screen's, 100 its right
    // edge at the screen's.
    int overhang = desert->get_box_index(2) - width;
    desert->set_x(static_cast<int>(-(level->get_value("Background Offset", 0) / 100 * overhang)));
}

void Frame5::order_screen_objects()
{
    get_instance(type_id::TheAlchemist_82)->move_front();
    for (int type : light_and_water_types)
        for (FrameObject* object : ObjectList(get_instances(type)))
            object->move_front();
    ObjectList decorations = get_instances(type_id::StaticDecorationAnimation_73);
    for (FrameObject* object : decorations)
        if (static_cast<Active*>(object)->get_animation() == 16)
            object->move_front();
    for (FrameObject* object : decorations)
        if (static_cast<Active*>(object)->get_animation() == 17)
            object->move_back();
    get_instance(type_id::TextObject_113)->move_front();
    get_instance(type_id::SpeechBubbleBackground_117)->move_front();
    get_instance(type_id::SpeechBubbleText_137)->move_front();
}

void Frame5::change_screen(int dx, int dy)
{
    FrameObject* alchemist = get_instance(type_id::TheAlchemist_82);
    values->set(map_x, values->get(map_x) + dx);
    values->set(map_y, values->get(map_y) + dy);
    if (dx < 0)
        alchemist->set_x(width);
    else if (dx > 0)
        alchemist->set_x(0);
    if (dy < 0)
        alchemist->set_y(height);
    else if (dy > 0)
        alchemist->set_y(0);
    group_map_change = true;
    group_player = false;
}

void Frame5::run_map_change_group()
{
    get_instance(type_id::GradientBottom_66)->set_visible(false);
    set_background_color(0);
    layers[terrain_layer]->destroy_backgrounds();
    layers[tile_layer]->destroy_backgrounds();
    static_cast<Text*>(get_instance(type_id::TextObject_113))->set_string("");
    get_instance(type_id::SpeechBubbleBackground_117)->set_visible(false);
    for (int type : armed_types)
        for (FrameObject* object : get_instances(type))
            object->alterable_values->set(0, 0);
    for (int type : screen_types) {
        for (FrameObject* object : get_instances(type)) {
            object->set_visible(false);
            object->destroy();
        }
    }
    get_instance(type_id::TheAlchemist_82)->set_visible(false);
    for (FrameObject* item : get_instances(type_id::ItemInLevel_122))
        item->destroy();
    static_cast<Text*>(get_instance(type_id::SpeechBubbleText_137))->set_bold(false);
    group_map_change = false;
    group_screen_build = true;
}
