#pragma once

#include "frame/frame_object.h"

#include <map>
#include <string>
#include <vector>

class Image;
class SpriteCollision;

// One image sequence of an animation, defined for one direction slot.
struct Direction {
    int index;
    int min_speed;
    // Hundredths of a frame advanced per tick.
    int max_speed;
    int back_to;
    bool loop;
    std::vector<Image*> frames;
};

// Slot d holds the sequence shown for direction d (0 right, 8 up, ...).
// It owns the sequences defined for their own slots; a filled-in slot only
// borrows its neighbour's.
struct DirectionArrayStruct {
    Direction* directions[32] = {};

    DirectionArrayStruct() = default;
    DirectionArrayStruct(const DirectionArrayStruct&) = delete;
    DirectionArrayStruct& operator=(const DirectionArrayStruct&) = delete;
    ~DirectionArrayStruct();
};

// An object type's animations by number, shared by all its instances and
// kept for the whole run.
using AnimationMap = std::map<int, DirectionArrayStruct>;

// The animated sprite kind.
class Active : public FrameObject {
public:
    AnimationMap* animations;
    int animation;
    int animation_direction;
    int animation_frame;
    int forced_frame;
    int forced_speed;
    int forced_direction;
    unsigned int counter;
    double angle;
    SpriteCollision* collision;
    double x_scale, y_scale;
    int action_x, action_y;
    bool collision_box;
    bool stopped;

    Active(const std::string& name, int x, int y, int type_id);
    ~Active() override;
    void draw() override;
    void update(float dt) override;
    void set_direction(int d) override;
    CollisionBase* get_collision() override;

    void add_direction(int animation, int direction, int min_speed, int max_speed, bool loop, int back_to);
    void add_image(int animation, int direction, Image* image);
    void initialize_animations();
    void initialize_active();

    void force_animation(int a);
    void force_frame(int f);
    void restore_frame();
    void force_speed(int s);
    void restore_speed();
    void force_direction(int d);
    void stop_animation();
    void start_animation();
    int get_animation();
    bool test_animation(int a);
    int get_frame();
    int get_speed();
    int get_animation_direction();
    Direction* get_direction_data();
    bool test_directions(int mask);
    void set_angle(double a, int quality);
    double get_angle();
    void set_scale(double s);
    void set_x_scale(double s);
    void set_y_scale(double s);
    int get_action_x();
    int get_action_y();
    Image* get_image();
    void paste(int collision_type);
    void update_frame();
    void update_action_point();

private:
    int& frame_in_use();
};
