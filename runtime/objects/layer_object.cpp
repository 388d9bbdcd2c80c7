#include "objects/layer_object.h"

#include "frame/frame.h"
#include "frame/layer.h"

#include <iostream>

LayerObject::LayerObject(const std::string& name, int x, int y, int type_id) : FrameObject(name, x, y, type_id) {}

void LayerObject::hide_layer(int index) { set_layer_visible(index, false); }

void LayerObject::show_layer(int index) { set_layer_visible(index, true); }

void LayerObject::set_layer_visible(int index, bool value)
{
    if (index < 0 || index >= static_cast<int>(frame->layers.size())) {
        std::cout << "Invalid layer index " << index << " (" << name << ")" << std::endl;
        return;
    }
    frame->layers[index]->visible = value;
}
