#include "frame/frame.h"

#include "manager/game_manager.h"

#include <GL/glew.h>

#include <algorithm>
#include <iostream>

namespace {
void remove_from(ObjectList& list, FrameObject* obj)
{
    list.erase(std::remove(list.begin(), list.end(), obj), list.end());
}
} // namespace

Frame::Frame(const std::string& name, int width, int height, Color background_color, int index, GameManager* manager)
    : name(name), width(width), height(height), index(index), manager(manager), background_color(background_color),
      values(nullptr), strings(nullptr), media(nullptr), quit(false), off_x(0), off_y(0), last_key(-1), key_presses(),
      mouse_presses(), next_frame(-1), tick(0), timer(0.0), run_count(0)
{
}

void Frame::on_start() {}

void Frame::handle_events() {}

void Frame::on_end()
{
    for (FrameObject* obj : instances)
        delete obj;
    for (Layer* layer : layers)
        delete layer;
    instances.clear();
    destroyed_instances.clear();
    layers.clear();
    instance_lists.clear();
    next_frame = -1;
    // A run that asked to end the program (and was switched away from in the
    // same tick, or belonged to a game that ended) must not end the next one.
    quit = false;
    tick = 0;
    off_x = off_y = 0;
    timer = 0.0;
    run_count++;
}

bool Frame::update(float dt)
{
    timer += dt;
    // Instances created by the events are animated from the next tick on, so
    // walk a snapshot of the count.
    size_t count = instances.size();
    for (size_t i = 0; i < count; ++i)
        instances[i]->update(dt);
    handle_events();
    for (FrameObject* obj : destroyed_instances) {
        remove_from(instances, obj);
        remove_from(instance_lists[obj->id], obj);
        remove_from(layers[obj->layer_index]->instances, obj);
        delete obj;
    }
    destroyed_instances.clear();
    last_key = -1;
    std::fill(std::begin(key_presses), std::end(key_presses), false);
    std::fill(std::begin(mouse_presses), std::end(mouse_presses), false);
    tick++;
    return !quit;
}

void Frame::draw()
{
    glViewport(0, 0, 800, 512);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 512, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(background_color.r / 255.0f, background_color.g / 255.0f, background_color.b / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    for (Layer* layer : layers) {
        glLoadIdentity();
        glTranslated(-off_x * layer->scroll_x, -off_y * layer->scroll_y, 0.0);
        layer->draw();
    }
}

void Frame::restart() { next_frame = -2; }

void Frame::on_key(int key, int action)
{
    if (action != ACTION_PRESS)
        return;
    last_key = key;
    if (key >= 0 && key < KEY_COUNT)
        key_presses[key] = true;
}

void Frame::on_mouse(int button, int action)
{
    if (action == ACTION_PRESS && button >= 0 && button < MOUSE_BUTTON_COUNT)
        mouse_presses[button] = true;
}

bool Frame::is_key_pressed_once(int key) { return key >= 0 && key < KEY_COUNT && key_presses[key]; }

bool Frame::is_mouse_pressed_once(int button)
{
    return button >= 0 && button < MOUSE_BUTTON_COUNT && mouse_presses[button];
}

void Frame::add_layer(double scroll_x, double scroll_y, bool visible)
{
    layers.push_back(new Layer(scroll_x, scroll_y, visible, static_cast<int>(layers.size())));
}

void Frame::add_object(FrameObject* obj, int layer)
{
    obj->frame = this;
    obj->layer_index = layer;
    instances.push_back(obj);
    instance_lists[obj->id].push_back(obj);
    layers[layer]->add_object(obj);
}

ObjectList Frame::create_object(FrameObject* obj, int layer)
{
    add_object(obj, layer);
    return ObjectList{obj};
}

void Frame::add_background_object(FrameObject* obj, int layer)
{
    obj->frame = this;
    obj->layer_index = layer;
    layers[layer]->add_background_object(obj);
}

void Frame::destroy_object(FrameObject* obj)
{
    if (obj->destroying)
        return;
    obj->destroying = true;
    destroyed_instances.push_back(obj);
}

ObjectList& Frame::get_instances(int type_id) { return instance_lists[type_id]; }

ObjectList Frame::get_instances(const unsigned int* type_ids)
{
    ObjectList out;
    for (; *type_ids != 0; ++type_ids) {
        const ObjectList& list = get_instances(static_cast<int>(*type_ids));
        out.insert(out.end(), list.begin(), list.end());
    }
    return out;
}

FrameObject* Frame::get_instance(int type_id)
{
    ObjectList& list = get_instances(type_id);
    if (list.empty()) {
        std::cout << "Fatal error: invalid instance count" << std::endl;
        return nullptr;
    }
    return list.front();
}

void Frame::set_object_layer(FrameObject* obj, int layer)
{
    layers[obj->layer_index]->remove_object(obj);
    layers[layer]->add_object(obj);
    obj->layer_index = layer;
}

int Frame::get_loop_index(const std::string& loop) { return loop_indexes[loop]; }

void Frame::stop_loop(const std::string& loop) { loop_running[loop] = false; }

void Frame::set_timer(double t) { timer = t; }

void Frame::set_display_center(int x, int y)
{
    int old_x = off_x;
    int old_y = off_y;
    if (x != -1)
        off_x = x - 400;
    if (y != -1)
        off_y = std::min(std::max(0, y - 256), height - 512);
    for (Layer* layer : layers)
        layer->scroll(off_x - old_x, off_y - old_y);
}

int Frame::frame_right() { return off_x + 800; }

int Frame::frame_bottom() { return off_y + 512; }

void Frame::set_background_color(int packed) { background_color = Color(packed); }

void Frame::get_mouse_pos(int* x, int* y)
{
    *x = manager->mouse_x + off_x;
    *y = manager->mouse_y + off_y;
}
