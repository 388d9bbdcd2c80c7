#pragma once

#include "frame/alterables.h"
#include "frame/fixed_value.h"
#include "image/color.h"

#include <map>
#include <string>
#include <vector>

class Frame;
class Image;
class Shader;
class CollisionBase;

// The base of every object instance a frame holds.
class FrameObject {
public:
    std::string name;
    int x, y;
    int width, height;
    int direction;
    int id;
    AlterableValues* alterable_values;
    AlterableStrings* alterable_strings;
    Color blend_color;
    int layer_index;
    bool visible;
    Frame* frame;
    Shader* shader;
    std::map<std::string, double>* shader_parameters;
    bool destroying;
    bool scroll;

    FrameObject(const std::string& name, int x, int y, int type_id);
    virtual ~FrameObject();
    // An instance owns its alterables and belongs to one frame: never copied.
    FrameObject(const FrameObject&) = delete;
    FrameObject& operator=(const FrameObject&) = delete;
    virtual void draw();
    virtual void update(float dt);
    virtual void set_direction(int d);
    virtual int get_direction();
    virtual CollisionBase* get_collision();

    void create_alterables();
    void set_position(int x, int y);
    void set_x(int x);
    void set_y(int y);
    void set_visible(bool visible);
    void set_blend_color(int packed);
    void set_layer(int layer);
    void set_level(int level);
    int get_level();
    void move_back();
    void move_front();
    void move_back(FrameObject* other);
    void move_front(FrameObject* other);
    void destroy();

    void draw_image(Image* image, double x, double y, double angle, double x_scale, double y_scale, bool flip_x,
                    bool flip_y);
    void set_shader(Shader* shader);
    void set_shader_parameter(const std::string& name, double value);
    void set_shader_parameter(const std::string& name, const Color& color);
    double get_shader_parameter(const std::string& name);

    bool mouse_over();
    bool overlaps(FrameObject* other);
    bool overlaps_background();
    bool outside_playfield();
    void get_box(int box[4]);
    int get_box_index(int index);
    FixedValue get_fixed();

private:
    void ensure_shader_parameters();
};

using ObjectList = std::vector<FrameObject*>;
