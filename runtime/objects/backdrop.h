#pragma once

#include "frame/frame_object.h"

class Image;

// A fixed picture from the image table, its top-left corner at x, y.
class Backdrop : public FrameObject {
public:
    Image* image;

    Backdrop(Image* image, const std::string& name, int x, int y, int type_id);
    void draw() override;
};
