#include "frame/frame_object.h"

#include "frame/frame.h"
#include "frame/layer.h"

FrameObject::FrameObject(const std::string& name, int x, int y, int type_id)
    : name(name), x(x), y(y), width(0), height(0), direction(0), id(type_id), alterable_values(nullptr),
      alterable_strings(nullptr), blend_color(), layer_index(0), visible(true), frame(nullptr), shader(nullptr),
      shader_parameters(nullptr), destroying(false), scroll(true)
{
}

FrameObject::~FrameObject()
{
    delete alterable_values;
    delete alterable_strings;
    delete shader_parameters;
}

void FrameObject::draw() {}

void FrameObject::update(float) {}

void FrameObject::set_direction(int d) { direction = d & 31; }

int FrameObject::get_direction() { return direction; }

CollisionBase* FrameObject::get_collision() { return nullptr; }

void FrameObject::create_alterables()
{
    if (!alterable_values)
        alterable_values = new AlterableValues();
    if (!alterable_strings)
        alterable_strings = new AlterableStrings();
}

void FrameObject::set_position(int new_x, int new_y)
{
    x = new_x;
    y = new_y;
}

void FrameObject::set_x(int new_x) { x = new_x; }

void FrameObject::set_y(int new_y) { y = new_y; }

void FrameObject::set_visible(bool value) { visible = value; }

void FrameObject::set_blend_color(int packed)
{
    Color color(packed);
    blend_color.r = color.r;
    blend_color.g = color.g;
    blend_color.b = color.b;
}

void FrameObject::set_layer(int layer) { frame->set_object_layer(this, layer); }

void FrameObject::set_level(int level) { frame->layers[layer_index]->set_level(this, level); }

int FrameObject::get_level() { return frame->layers[layer_index]->get_level(this); }

void FrameObject::move_back() { set_level(0); }

void FrameObject::move_front() { set_level(-1); }

void FrameObject::move_back(FrameObject* other) { set_level(other->get_level() + 1); }

void FrameObject::move_front(FrameObject* other) { set_level(other->get_level()); }

void FrameObject::destroy() { frame->destroy_object(this); }

void FrameObject::set_shader(Shader* new_shader)
{
    shader = new_shader;
    ensure_shader_parameters();
}

void FrameObject::ensure_shader_parameters()
{
    if (!shader_parameters)
        shader_parameters = new std::map<std::string, double>();
}

void FrameObject::set_shader_parameter(const std::string& parameter, double value)
{
    ensure_shader_parameters();
    (*shader_parameters)[parameter] = value;
}

void FrameObject::set_shader_parameter(const std::string& parameter, const Color& color)
{
    set_shader_parameter(parameter, static_cast<double>(color.get_int()));
}

double FrameObject::get_shader_parameter(const std::string& parameter)
{
    if (!shader_parameters)
        return 0.0;
    return (*shader_parameters)[parameter];
}

FixedValue FrameObject::get_fixed() { return FixedValue(this); }
