// The gameplay frame's set-up and the order of the blocks of one tick.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "media/media.h"
#include "objects/image_table.h"
#include "objects/objects.h"

Frame5::Frame5(GameManager* manager) : Frame("Gameplay", 800, 512, Color(0, 0, 0, 255), 4, manager) {}

namespace {

// Every type whose pictures the frame shows or pastes.
const std::vector<const char*> frame_types = {
    "GradientBottom_66",
    "TilePaster_67",
    "SceneryGeneratorVariables_68",
    "SceneryGeneratorConstants_69",
    "SineRotator_70",
    "Glow1_71",
    "StaticDecorationAnimation_73",
    "Firefly_75",
    "Glow2_76",
    "Glow3_77",
    "Glow4_78",
    "Fog5_79",
    "Fog6_80",
    "ObstacleTilePaster_81",
    "TheAlchemist_82",
    "KeyboardVariables_83",
    "ContainerDisplay_84",
    "PlayerItemBackground_88",
    "ItemContainer_89",
    "ContainerItemBackground_91",
    "ItemMarker_92",
    "Equipped_93",
    "WaterSurface_94",
    "WaterBubble_96",
    "WaterWave_97",
    "WaterSurfaceGlimmer_98",
    "AutomaticallyPlacedBackgrounds_99",
    "WaterDistortion_100",
    "PlayerItemsBackground_101",
    "ContainerItemsBackground_102",
    "Stream_104",
    "Walker_105",
    "Dangers_106",
    "Effect_107",
    "PlayerInteractionLight_108",
    "BlockedTransferBackground_114",
    "People_116",
    "SpeechBubbleBackground_117",
    "Exploder_118",
    "Bullet_119",
    "StepSmoke_120",
    "Birdfly_125",
    "WinSprite_126",
    "HiddenSavepoint_129",
    "UsageInfoBackground_130",
    "DropRow_131",
    "DeathFader_132",
    "Teleporter_133",
    "TextGenerator_141",
    "LastTextInfo_142",
    "TextBlitter_143",
};

const int layer_count = 10;
const int interface_layer = 8;
const int item_rows = 15;
const int row_height = 24;

} // namespace

void Frame5::on_start()
{
    if (!images_loaded) {
        preload_images_for(frame_types);
        images_loaded = true;
    }

    group_start = true;
    group_screen_build = true;
    group_show_player = false;
    group_gameplay = true;
    group_keyboard = true;
    group_player = false;
    group_land = true;
    group_swim = false;
    group_map_change = false;
    group_container_save = false;
    group_death = false;

    for (int i = 0; i < layer_count; i++)
        add_layer(1, 1, i != interface_layer);

    add_object(new LevelIni_22(72, -156), 4);
    add_object(new GradientBottom_66(144, -48), 4);
    add_object(new TilePaster_67(196, -32), 4);
    add_object(new SceneryGeneratorVariables_68(216, -84), 4);
    add_object(new SceneryGeneratorConstants_69(144, -156), 4);
    add_object(new Tokenizer_72(108, -84), 4);
    add_object(new ObstacleTilePaster_81(196, -68), 4);
    add_object(new TheAlchemist_82(16, -32), 4);
    add_object(new KeyboardVariables_83(216, -48), 4);
    add_object(new SavegameIni_85(72, -120), 4);
    add_object(new LayerObject_90(108, -120), 4);
    add_object(new ItemsIni_23(72, -84), 4);
    add_object(new ReactionsIni_24(72, -48), 4);
    add_object(new ContainersIni_25(36, -192), 4);
    add_object(new AbilitiesIni_26(36, -156), 4);
    add_object(new PowerConditionsIni_27(36, -120), 4);
    add_object(new PowersIni_28(36, -84), 4);
    add_object(new ModifiedAbilities_123(36, -48), 4);
    add_object(new AmbianceVolumes_109(252, -48), 4);
    add_object(new AmbianceFrequencies_110(252, -156), 4);
    add_object(new MusicValues_111(252, -84), 4);
    add_object(new SoundValues_112(252, -120), 4);
    add_object(new TextObject_113(0, 480), 4);
    add_object(new FrameVariables_115(216, -120), 4);
    add_object(new SpeechBubbleBackground_117(-220, 8), 4);
    add_object(new ItemInformationDistortion_124(504, -48), 4);
    add_object(new ChannelFadeoutInitialVolumes_128(72, -192), 4);
    add_object(new SpeechBubbleText_137(-216, 12), interface_layer);

    // The inventory and item interface: two columns of fifteen rows.
    const int inventory_x = 396, container_x = 588, top_row = 95;
    add_object(new ContainerItemBackground_91(container_x, top_row), interface_layer);
    add_object(new PlayerItemBackground_88(inventory_x, top_row), interface_layer);
    add_object(new ContainerItemsBackground_102(container_x, 58), interface_layer);
    add_object(new PlayerItemsBackground_101(inventory_x, 58), interface_layer);
    add_object(new PlayerItems_86(436, 59), interface_layer);
    add_object(new ContainerItems_87(628, 59), interface_layer);
    add_object(new BlockedTransferBackground_114(397, 473), interface_layer);
    add_object(new ItemInformation_103(48, 60), interface_layer);
    for (int column_x : {inventory_x, container_x})
        for (int r = 0; r < item_rows; r++)
            add_object(new ItemImage_121(column_x, top_row + row_height * r), interface_layer);
    add_object(new UsageInfoBackground_130(152, 418), interface_layer);
    add_object(new ItemMarker_92(inventory_x, top_row), interface_layer);
    for (int r = 0; r < item_rows; r++)
        add_object(new Equipped_93(537, top_row + row_height * r), interface_layer);
    add_object(new ItemUsageInfo_136(149, 383), interface_layer);
    add_object(new BlockedTransferExplanation_138(399, 473), interface_layer);
    for (int column_x : {inventory_x, container_x})
        for (int r = 0; r < item_rows; r++)
            add_object(new Item_139(column_x + 24, top_row + row_height * r), interface_layer);
    add_object(new LastTextInfo_142(0, -48), interface_layer);
    add_object(new AutoBlitter_144(0, -84), interface_layer);

    add_background_object(new HorizontalBorder_134(0, 0), 9);
    add_background_object(new HorizontalBorder_134(0, 511), 9);
    add_background_object(new VerticalBorder_135(0, 0), 9);
    add_background_object(new VerticalBorder_135(799, 0), 9);
}

void Frame5::handle_events()
{
    if (group_start)
        run_start_group();
    if (group_show_player)
        run_show_player_group();
    if (group_screen_build)
        run_screen_build_group();

    if (group_gameplay && group_keyboard)
        handle_keyboard_group();
    if (group_gameplay && group_player)
        recompute_abilities();
    if (group_gameplay && group_player)
        run_water_crossing();
    if (group_gameplay && group_player && group_land)
        handle_land_group();
    if (group_gameplay && group_player && group_swim)
        run_swim_group();
    if (group_gameplay && group_player)
        handle_common_movement();
    if (group_gameplay && group_player)
        run_speech_and_inventory_opening();
    if (group_gameplay && group_player)
        run_hazards();
    if (group_gameplay)
        run_alchemy_interface();
    if (group_gameplay)
        run_scenery();
    if (group_gameplay)
        handle_step_smoke();
    if (group_gameplay)
        run_winning();
    if (group_gameplay)
        save_at_hidden_savepoints();
    if (group_gameplay && group_player)
        start_container_save();
    if (group_gameplay)
        run_interaction_lights_and_sound();
    if (group_gameplay && group_container_save)
        run_container_save_group();
    if (group_gameplay) {
        FrameObject* frame_variables = get_instance(type_id::FrameVariables_115);
        frame_variables->alterable_values->add(4, 1);
    }
    if (group_map_change)
        run_map_change_group();
    if (group_death)
        run_death_group();
    blit_texts();
    handle_restart_and_music_keys();
}

void Frame5::handle_restart_and_music_keys()
{
    // Escape gives up the unsaved game and starts over at the menu.
    if (is_key_pressed_once(KEY_ESC)) {
        if (media)
            media->stop_samples();
        restart();
    }
    // F9 ends the song now playing; the playlist picks the next one later.
    if (is_key_pressed_once(KEY_F9)) {
        if (media)
            media->stop_channel(4);
        get_instance(type_id::MusicValues_111)->alterable_values->set(0, 0);
    }
}
