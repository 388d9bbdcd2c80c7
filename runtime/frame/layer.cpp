#include "frame/layer.h"

#include "frame/background.h"

#include <algorithm>

Layer::Layer(double scroll_x, double scroll_y, bool visible, int index)
    : visible(visible), scroll_x(scroll_x), scroll_y(scroll_y), back(nullptr), index(index)
{
}

Layer::~Layer()
{
    delete back;
    for (FrameObject* obj : background_instances)
        delete obj;
}

void Layer::add_object(FrameObject* obj) { instances.push_back(obj); }

void Layer::insert_object(FrameObject* obj, int position)
{
    if (position < 0 || static_cast<size_t>(position) >= instances.size())
        instances.push_back(obj);
    else
        instances.insert(instances.begin() + position, obj);
}

void Layer::remove_object(FrameObject* obj)
{
    instances.erase(std::remove(instances.begin(), instances.end(), obj), instances.end());
}

void Layer::add_background_object(FrameObject* obj) { background_instances.push_back(obj); }

void Layer::set_level(FrameObject* obj, int level)
{
    remove_object(obj);
    insert_object(obj, level);
}

int Layer::get_level(FrameObject* obj)
{
    auto it = std::find(instances.begin(), instances.end(), obj);
    return it == instances.end() ? -1 : static_cast<int>(it - instances.begin());
}

void Layer::scroll(int dx, int dy)
{
    for (FrameObject* obj : instances)
        if (!obj->scroll)
            obj->set_position(obj->x + dx, obj->y + dy);
}

void Layer::create_background()
{
    if (!back)
        back = new Background();
}

void Layer::destroy_backgrounds()
{
    if (back)
        back->reset(true);
}

void Layer::paste(Image* image, int x, int y, int src_x, int src_y, int width, int height, int collision_type)
{
    create_background();
    back->paste(image, x, y, src_x, src_y, width, height, collision_type, true);
}

void Layer::draw()
{
    if (!visible)
        return;
    for (FrameObject* obj : background_instances)
        if (obj->visible)
            obj->draw();
    if (back)
        back->draw();
    for (FrameObject* obj : instances)
        if (obj->visible)
            obj->draw();
}
