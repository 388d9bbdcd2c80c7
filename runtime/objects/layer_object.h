#pragma once

#include "frame/frame_object.h"

// Shows and hides the layers of its frame. A hidden layer draws nothing,
// its background included, but its obstacle mask still collides.
class LayerObject : public FrameObject {
public:
    LayerObject(const std::string& name, int x, int y, int type_id);
    void hide_layer(int index);
    void show_layer(int index);

private:
    void set_layer_visible(int index, bool visible);
};
