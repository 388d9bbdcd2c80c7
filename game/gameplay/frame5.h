#pragma once

#include "frame/event_markers.h"
#include "frame/frame.h"

#include <string>

class Active;
class GameManager;
class INI;

// The gameplay frame: world generation, the alchemist, hazards and alchemy.
class Frame5 : public Frame {
public:
    explicit Frame5(GameManager* manager);
    void on_start() override;
    void handle_events() override;

    // Event groups this frame starts with on: start, screen-build, gameplay,
    // keyboard and land.
    bool group_start = true;
    bool group_screen_build = true;
    bool group_show_player = false;
    bool group_gameplay = true;
    bool group_keyboard = true;
    bool group_player = false;
    bool group_land = true;
    bool group_swim = false;
    bool group_map_change = false;
    bool group_container_save = false;
    bool group_death = false;

    // Moves to the neighbouring screen (one of dx, dy is -1 or 1) when the
    // alchemist has crossed an edge: the map position changes, the alchemist
    // is placed at the opposite edge, the map-change group comes on and the
    // player group goes off. The caller restores the animation it replaced
    // by a collision box.
    void change_screen(int dx, int dy);

    // World generation: one screen from its map rows.
    void loop_terrain_y();
    void loop_terrain_x();
    void loop_terrain_tile();

    // --- player input, movement and abilities ---
    // The four blocks of a tick, in the order the tick runs them.
    void handle_keyboard_group();
    void recompute_abilities();
    void handle_land_group();
    void handle_common_movement();
    // Ages the step smoke; runs with the scenery while the gameplay group is on.
    void handle_step_smoke();

    void loop_check_power_conditions_group();
    void loop_test_power_condition();
    void loop_reset_abilities();
    void loop_apply_this_power_to_abilities();
    void loop_alchemist_y_move();
    void loop_alchemist_x_move();
    void loop_alchemist_overlap_test();

    // An ability in force; a missing one reads as 0.
    double ability(const std::string& key);

    // Movement sub-groups: on only while their pixel loops and the remainder
    // step run.
    bool group_vertical_move = false;
    bool group_horizontal_move = false;
    // Set when swimming ends; the land group's first tick then straightens
    // the alchemist.
    bool land_entry_armed = false;
    bool abilities_recompute_requested = false;
    bool abilities_recompute_running = false;
    bool power_applies = false;

private:
    void copy_base_abilities();
    void request_movement_sound(const std::string& detail);
    void choose_land_animation(Active* alchemist);
    void make_step_smoke(Active* alchemist);
    void play_step_sounds(Active* alchemist);
    void probe_surroundings(Active* alchemist);
    void touch_containers(Active* alchemist);
    void restore_shown_animation(Active* alchemist, bool with_angle);
    void leave_screen(Active* alchemist, int dx, int dy);

    // Filled by later features; they do nothing yet.
    void streams_hook(Active* alchemist);
    void hazard_contact_hook(Active* alchemist);
    void sound_loop_hook();
    void enter_water_hook();

    OnceWhileTrue player_group_came_on;

public:
    // --- end of player input, movement and abilities ---

private:
    // Frame start and the blocks of one tick.
    void run_start_group();
    void load_savegame();
    void run_show_player_group();
    void run_screen_build_group();
    void place_desert_background(INI* level);
    void order_screen_objects();
    void run_map_change_group();
    void save_at_hidden_savepoints();
    void start_container_save();
    void run_container_save_group();
    void save_position(FrameObject* place, int facing);
    std::string slot_path();
    void handle_restart_and_music_keys();

    // Terrain tile events, in the order they run for a tile.
    void read_map_classes();
    bool tile_in_class(int class_index, const std::string& tile);
    bool solid(const std::string& tile);
    void paste_solid_fill();
    void paste_rock_fill();
    void place_inner_corners();
    void place_rock_decoration(char c);
    void place_container(char c);
    void place_person(char c);
    void place_plant(char c);
    void place_creature(char c);
    void place_exploders(char c);
    void place_stream(char c);
    void place_water();
    void paste_background_tile(char c);
    void place_light_or_fog(char c);
    void place_slope(char c);
    void place_spike_or_effect(char c);
    void place_special(char c);
    Active* place(FrameObject* object, int layer);
    Active* place_item_container(const char* container_name);
    Active* place_container_display(int animation);
    Active* place_decoration(int layer, int animation, double angle);
    Active* place_decoration(int layer, int animation, double angle, int x, int y);
    void show_frame(Active* active, int frame);
    void paste_tile(int animation, int direction, int x, int y);
    void paste_obstacle(int direction);

    // Filled by later features; they do nothing yet.
    void start_ambiance();
    void queue_screen_music();
    void loop_container_interaction_light();
    void loop_surface_effect();
    void loop_straw_0();
    void loop_straw_1();
    void run_water_crossing();
    void run_swim_group();
    void run_speech_and_inventory_opening();
    void run_hazards();
    void run_alchemy_interface();
    void run_scenery();
    void run_winning();
    void run_interaction_lights_and_sound();
    void run_death_group();
    void blit_texts();

    // The tile being built: cx, cy and the five characters (the tile, above,
    // below, left, right) as the scenery variables hold them.
    int cx = 0, cy = 0;
    std::string tile_here, tile_above, tile_below, tile_left, tile_right;
    static const int map_class_count = 10;
    std::string map_classes[map_class_count];
    bool images_loaded = false;

    // --- ambiance, music and sound effects ---
public:
    // Channels as the sound manager counts them: the four ambiance layers
    // come first, then the music.
    static const int music_channel = 4;
    // Ambiance, playlist and effects sound only while this is on; winning
    // switches it off.
    bool group_sound = true;

    void loop_ambiance();
    void loop_randomize_song();
    void loop_sound();

private:
    void run_interaction_lights();
    void run_music();
    // The playlist group named by the current screen, "" when it has none.
    std::string screen_playlist();
    void play_song(const std::string& song);
    void play_effect_loop(const std::string& loop, int pass, int channel);

public:
    // --- end of ambiance, music and sound effects ---

    // --- ambient scenery animation ---
private:
    // One straw at the cell terrain generation is building.
    void make_straw(int layer, int dy, bool silhouette);
    // The parts of the scenery block, in the order a tick runs them.
    void sway_plants();
    void pulse_glows();
    void turn_fog();
    void move_fireflies();
    void play_effects();

    // Filled by later features; they do nothing yet.
    void run_items_in_level();
    void run_water_objects();
    void run_people();

public:
    // --- end of ambient scenery animation ---

    // --- bitmap text blitter ---
public:
    // Lays a text of the text group out again as glyphs when its string
    // changed since it was last drawn, and takes them away while it is
    // hidden.
    void foreach_auto_blitter(class Text* text);
    // Runs the fast loop named at run time once; a name that is no loop of
    // this frame does nothing.
    void call_dynamic_loop(const std::string& name);
    void loop_blit_text();
    void loop_blit_word();
    void loop_blit_letter();

private:
    void finish_text_layout();
    void destroy_glyphs(const std::string& owner);
    // The generator laying a text out, while one is.
    Active* text_generator = nullptr;

public:
    // --- end of bitmap text blitter ---
};
