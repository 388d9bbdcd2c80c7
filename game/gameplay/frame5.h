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
};
