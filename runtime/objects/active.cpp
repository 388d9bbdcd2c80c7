#include "objects/active.h"

#include "collision/collision.h"
#include "frame/frame.h"
#include "frame/layer.h"
#include "image/image.h"
#include "objects/utility.h"

#include <algorithm>
#include <iostream>

Active::Active(const std::string& name, int x, int y, int type_id)
    : FrameObject(name, x, y, type_id), animations(nullptr), animation(0), animation_direction(0), animation_frame(0),
      forced_frame(-1), forced_speed(-1), forced_direction(-1), counter(0), angle(0.0), collision(nullptr),
      x_scale(1.0), y_scale(1.0), action_x(0), action_y(0), collision_box(false), stopped(false)
{
    create_alterables();
}

Active::~Active() { delete collision; }

DirectionArrayStruct::~DirectionArrayStruct()
{
    // Decide ownership of every slot before freeing any, since borrowed
    // slots point at the owners.
    bool owned[32];
    for (int d = 0; d < 32; d++)
        owned[d] = directions[d] && directions[d]->index == d;
    for (int d = 0; d < 32; d++)
        if (owned[d])
            delete directions[d];
}

void Active::add_direction(int anim, int dir, int min_speed, int max_speed, bool loop, int back_to)
{
    Direction*& slot = (*animations)[anim].directions[dir];
    if (slot && slot->index == dir)
        delete slot;
    slot = new Direction{dir, min_speed, max_speed, back_to, loop, {}};
}

void Active::add_image(int anim, int dir, Image* image)
{
    (*animations)[anim].directions[dir]->frames.push_back(image);
}

void Active::initialize_animations()
{
    for (auto& entry : *animations) {
        Direction** slots = entry.second.directions;
        // Only the directions the type defines are copied into empty slots,
        // never slots filled earlier in this pass.
        Direction* defined[32];
        std::copy(slots, slots + 32, defined);
        for (int d = 0; d < 32; d++) {
            if (slots[d])
                continue;
            for (int step = 1; step <= 16 && !slots[d]; step++) {
                if (defined[(d + step) & 31])
                    slots[d] = defined[(d + step) & 31];
                else if (defined[(d - step) & 31])
                    slots[d] = defined[(d - step) & 31];
            }
        }
    }
}

void Active::initialize_active()
{
    collision = new SpriteCollision(this, nullptr);
    collision->is_box = collision_box;
    update_frame();
}

int& Active::frame_in_use() { return forced_frame != -1 ? forced_frame : animation_frame; }

Direction* Active::get_direction_data()
{
    auto it = animations->find(animation);
    if (it == animations->end())
        return nullptr;
    return it->second.directions[get_animation_direction()];
}

Image* Active::get_image()
{
    auto it = animations->find(animation);
    if (it == animations->end()) {
        std::cout << "Invalid animation: " << animation << std::endl;
        return nullptr;
    }
    Direction* data = it->second.directions[get_animation_direction()];
    int count = data ? static_cast<int>(data->frames.size()) : 0;
    int frame_index = frame_in_use();
    if (frame_index >= 0 && frame_index < count)
        return data->frames[frame_index];
    std::cout << "Invalid frame: " << frame_index << " " << count << " (" << name << ")" << std::endl;
    return nullptr;
}

void Active::update_frame()
{
    Direction* data = get_direction_data();
    if (data) {
        int& frame_index = frame_in_use();
        int count = static_cast<int>(data->frames.size());
        if (frame_index >= count)
            frame_index = count - 1;
        if (frame_index < 0)
            frame_index = 0;
    }
    Image* image = get_image();
    if (!image)
        return;
    collision->set_image(image);
    update_action_point();
}

void Active::update_action_point()
{
    // The shape holds the image of the last valid frame; with none yet the
    // action point stays as it was.
    Image* image = collision->image;
    if (!image)
        return;
    int point_x = 0, point_y = 0;
    collision->get_transform(image->action_x, image->action_y, point_x, point_y);
    action_x = point_x - collision->hotspot_x;
    action_y = point_y - collision->hotspot_y;
}

void Active::update(float)
{
    if (forced_frame != -1 || stopped)
        return;
    Direction* data = get_direction_data();
    if (!data || data->frames.empty())
        return;
    // A negative speed (only a forced one can be) would wrap the unsigned
    // counter and spin the loop below for millions of steps: it holds still.
    int speed = get_speed();
    if (speed < 0)
        speed = 0;
    counter += static_cast<unsigned int>(speed);
    int previous = animation_frame;
    int count = static_cast<int>(data->frames.size());
    while (counter > 100) {
        animation_frame++;
        if (animation_frame >= count)
            animation_frame = data->loop ? data->back_to : count - 1;
        counter -= 100;
    }
    if (animation_frame != previous)
        update_frame();
}

void Active::draw()
{
    Image* image = get_image();
    if (!image) {
        std::cout << "Invalid image draw (" << name << ")" << std::endl;
        return;
    }
    blend_color.apply();
    draw_image(image, x, y, angle, x_scale, y_scale, false, false);
}

void Active::set_direction(int d)
{
    direction = d & 31;
    animation_direction = direction;
    update_frame();
}

CollisionBase* Active::get_collision() { return collision; }

void Active::force_animation(int a)
{
    if (a == animation)
        return;
    if (animations->find(a) == animations->end())
        std::cout << "Invalid animation: " << a << " (" << name << ")" << std::endl;
    animation = a;
    if (forced_frame == -1)
        animation_frame = 0;
    update_frame();
}

void Active::force_frame(int f)
{
    forced_frame = f;
    update_frame();
}

void Active::restore_frame()
{
    animation_frame = forced_frame;
    forced_frame = -1;
    update_frame();
}

void Active::force_speed(int s) { forced_speed = s; }

void Active::restore_speed() { forced_speed = -1; }

void Active::force_direction(int d)
{
    forced_direction = d & 31;
    update_frame();
}

void Active::stop_animation() { stopped = true; }

void Active::start_animation() { stopped = false; }

int Active::get_animation() { return animation; }

bool Active::test_animation(int a) { return animation == a; }

int Active::get_frame() { return forced_frame != -1 ? forced_frame : animation_frame; }

int Active::get_speed()
{
    if (forced_speed != -1)
        return forced_speed;
    Direction* data = get_direction_data();
    return data ? data->max_speed : 0;
}

int Active::get_animation_direction() { return forced_direction != -1 ? forced_direction : animation_direction; }

bool Active::test_directions(int mask) { return (static_cast<unsigned int>(mask) >> get_direction()) & 1; }

void Active::set_angle(double a, int)
{
    angle = mod(static_cast<float>(a), 360.0f);
    collision->set_angle(angle);
    update_action_point();
}

double Active::get_angle() { return angle; }

void Active::set_scale(double s)
{
    x_scale = y_scale = s;
    collision->set_scale(s);
    update_action_point();
}

void Active::set_x_scale(double s)
{
    x_scale = s;
    collision->set_x_scale(s);
    update_action_point();
}

void Active::set_y_scale(double s)
{
    y_scale = s;
    collision->set_y_scale(s);
    update_action_point();
}

int Active::get_action_x() { return x + action_x; }

int Active::get_action_y() { return y + action_y; }

void Active::paste(int collision_type)
{
    Image* image = get_image();
    if (!image)
        return;
    frame->layers[layer_index]->paste(image, x - image->hotspot_x, y - image->hotspot_y, 0, 0, image->width,
                                      image->height, collision_type);
}
