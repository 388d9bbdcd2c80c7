// The drawing and overlap operations every kind shares; they go through the
// kind's collision shape and image, so they live apart from the scene-model
// part of FrameObject.
#include "collision/collision.h"
#include "frame/background.h"
#include "frame/frame.h"
#include "frame/frame_object.h"
#include "frame/layer.h"
#include "image/image.h"
#include "shader/shader.h"

void FrameObject::draw_image(Image* image, double draw_x, double draw_y, double angle, double x_scale, double y_scale,
                             bool flip_x, bool)
{
    unsigned int background_texture = 0;
    if (shader) {
        shader->begin(this, image);
        background_texture = shader->get_background_texture();
    }
    image->draw(draw_x, draw_y, angle, x_scale, y_scale, flip_x, background_texture);
    if (shader)
        shader->end(this);
}

bool FrameObject::mouse_over()
{
    if (destroying)
        return false;
    int mouse_x = 0, mouse_y = 0;
    frame->get_mouse_pos(&mouse_x, &mouse_y);
    PointCollision point(mouse_x, mouse_y);
    return collide(&point, get_collision());
}

bool FrameObject::overlaps(FrameObject* other)
{
    if (destroying || other->destroying)
        return false;
    return collide(other->get_collision(), get_collision());
}

bool FrameObject::overlaps_background()
{
    if (destroying)
        return false;
    // A layer nothing was ever pasted into has no obstacles.
    Background* back = frame->layers[layer_index]->back;
    if (!back)
        return false;
    back->update();
    return collide(get_collision(), back->get_collision());
}

bool FrameObject::outside_playfield()
{
    int box[4];
    get_box(box);
    return !collides(box[0], box[1], box[2], box[3], 0, 0, frame->width, frame->height);
}

void FrameObject::get_box(int box[4])
{
    CollisionBase* collision = get_collision();
    if (!collision) {
        box[0] = box[1] = box[2] = box[3] = 0;
        return;
    }
    collision->get_box(box);
}

int FrameObject::get_box_index(int index)
{
    if (index < 0 || index > 3)
        return 0;
    int box[4];
    get_box(box);
    return box[index];
}
