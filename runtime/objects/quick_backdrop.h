#pragma once

#include "frame/frame_object.h"
#include "image/color.h"

// A solid rectangle of width x height from x, y. Its opacity is the
// instance's blend colour's.
class QuickBackdrop : public FrameObject {
public:
    Color color;

    QuickBackdrop(const Color& color, int width, int height, const std::string& name, int x, int y, int type_id);
    void draw() override;
};
