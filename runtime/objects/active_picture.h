#pragma once

#include "collision/collision.h"
#include "frame/frame_object.h"
#include "image/color.h"

#include <map>
#include <string>

class Image;

// A picture loaded from a PNG file at run time, its top-left corner at x, y.
// Decoded files are kept for the whole run, shared by every picture.
class ActivePicture : public FrameObject {
public:
    Image* image;
    Image* cached_image;
    bool horizontal_flip;
    std::string filename;
    Color transparent_color;
    bool has_transparent_color;
    double x_scale, y_scale;
    double angle;
    SpriteCollision collision;

    // Pictures decoded from files, by path, kept for the whole run. Never
    // destroyed: the pictures outlive every frame, and their textures must not
    // be freed after the window has gone at exit.
    static std::map<std::string, Image*>& image_cache();

    ActivePicture(const std::string& name, int x, int y, int type_id);
    ~ActivePicture() override;
    void load(const std::string& path);
    // Applies to files decoded from now on; cached pictures keep theirs.
    void set_transparent_color(const Color& color);
    void remove_image();
    void draw() override;
    CollisionBase* get_collision() override;
};
