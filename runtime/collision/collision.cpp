#include "collision/collision.h"

#include "frame/frame_object.h"
#include "image/image.h"

#include <algorithm>
#include <cmath>

namespace {
const double DEGREES_TO_RADIANS = 3.14159265358979323846 / 180.0;
}

void CollisionBase::get_box(int box[4]) { box[0] = box[1] = box[2] = box[3] = 0; }

bool CollisionBase::get_bit(int, int) { return true; }

InstanceBox::InstanceBox(FrameObject* instance) : CollisionBase(true), instance(instance) {}

void InstanceBox::get_box(int box[4])
{
    box[0] = instance->x;
    box[1] = instance->y;
    box[2] = instance->x + instance->width;
    box[3] = instance->y + instance->height;
}

PointCollision::PointCollision(int x, int y) : CollisionBase(true), x(x), y(y) {}

void PointCollision::get_box(int box[4])
{
    box[0] = x;
    box[1] = y;
    box[2] = x + 1;
    box[3] = y + 1;
}

MaskCollision::MaskCollision(unsigned char* mask, int x1, int y1, int x2, int y2)
    : CollisionBase(false), mask(mask), x1(x1), y1(y1), x2(x2), y2(y2)
{
}

void MaskCollision::get_box(int box[4])
{
    box[0] = x1;
    box[1] = y1;
    box[2] = x2;
    box[3] = y2;
}

bool MaskCollision::get_bit(int x, int y) { return mask[x + y * (x2 - x1)] != 0; }

SpriteCollision::SpriteCollision(FrameObject* instance, Image* image)
    : CollisionBase(false), instance(instance), image(image), angle(0.0), x_scale(1.0), y_scale(1.0),
      transformed(false), co(1.0), si(0.0), x1(0), y1(0), x2(0), y2(0), width(0), height(0), hotspot_x(0), hotspot_y(0)
{
    update_transform();
}

void SpriteCollision::set_image(Image* new_image)
{
    image = new_image;
    update_transform();
}

void SpriteCollision::set_angle(double new_angle)
{
    angle = new_angle;
    update_transform();
}

void SpriteCollision::set_scale(double scale)
{
    x_scale = y_scale = scale;
    update_transform();
}

void SpriteCollision::set_x_scale(double scale)
{
    x_scale = scale;
    update_transform();
}

void SpriteCollision::set_y_scale(double scale)
{
    y_scale = scale;
    update_transform();
}

void SpriteCollision::update_transform()
{
    if (!image)
        return;
    if (x_scale == 1.0 && y_scale == 1.0 && angle == 0.0) {
        transformed = false;
        width = image->width;
        height = image->height;
        hotspot_x = image->hotspot_x;
        hotspot_y = image->hotspot_y;
        return;
    }
    transformed = true;
    double radians = angle * DEGREES_TO_RADIANS;
    co = std::cos(radians);
    si = std::sin(radians);
    transform_rect(image->width, image->height, co, si, x_scale, y_scale, x1, y1, x2, y2);
    width = x2 - x1;
    height = y2 - y1;
    get_transform(image->hotspot_x, image->hotspot_y, hotspot_x, hotspot_y);
}

void SpriteCollision::get_transform(int x, int y, int& out_x, int& out_y)
{
    if (!transformed) {
        out_x = x;
        out_y = y;
        return;
    }
    out_x = static_cast<int>(y * y_scale * si + co * (x * x_scale)) - x1;
    out_y = static_cast<int>(y * y_scale * co - x * x_scale * si) - y1;
}

void SpriteCollision::get_box(int box[4])
{
    if (!image) {
        box[0] = box[2] = instance->x;
        box[1] = box[3] = instance->y;
        return;
    }
    box[0] = instance->x - hotspot_x;
    box[1] = instance->y - hotspot_y;
    box[2] = box[0] + width;
    box[3] = box[1] + height;
}

bool SpriteCollision::get_bit(int x, int y)
{
    if (transformed) {
        double ex = x + x1;
        double ey = y + y1;
        // Truncation towards zero maps (-1, width) onto the columns 0 ...
        // width - 1; testing the unrounded value keeps huge quotients (tiny
        // scales) out of the integer conversion.
        double column = (co * ex - si * ey) / x_scale;
        double row = (si * ex + co * ey) / y_scale;
        if (!(column > -1.0 && column < image->width && row > -1.0 && row < image->height))
            return false;
        x = static_cast<int>(column);
        y = static_cast<int>(row);
    }
    if (is_box)
        return true;
    if (!image->pixels)
        return false;
    return image->get(x, y)[3] != 0;
}

bool collide(CollisionBase* a, CollisionBase* b)
{
    if (!a || !b)
        return false;
    int a_box[4], b_box[4];
    a->get_box(a_box);
    b->get_box(b_box);
    if (!collides(a_box[0], a_box[1], a_box[2], a_box[3], b_box[0], b_box[1], b_box[2], b_box[3]))
        return false;
    if (a->is_box && b->is_box)
        return true;
    int left, top, right, bottom;
    intersect(a_box[0], a_box[1], a_box[2], a_box[3], b_box[0], b_box[1], b_box[2], b_box[3], left, top, right, bottom);
    for (int x = left; x < right; x++)
        for (int y = top; y < bottom; y++)
            if (a->get_bit(x - a_box[0], y - a_box[1]) && b->get_bit(x - b_box[0], y - b_box[1]))
                return true;
    return false;
}

bool collides(int a_left, int a_top, int a_right, int a_bottom, int b_left, int b_top, int b_right, int b_bottom)
{
    return b_left < a_right && b_top < a_bottom && a_left < b_right && a_top < b_bottom;
}

void intersect(int a_left, int a_top, int a_right, int a_bottom, int b_left, int b_top, int b_right, int b_bottom,
               int& left, int& top, int& right, int& bottom)
{
    left = std::max(a_left, b_left);
    top = std::max(a_top, b_top);
    right = std::min(a_right, b_right);
    bottom = std::min(a_bottom, b_bottom);
}

void transform_rect(int w, int h, double co, double si, double x_scale, double y_scale, int& x1, int& y1, int& x2,
                    int& y2)
{
    int a = static_cast<int>(w * x_scale * co);
    int b = static_cast<int>(-w * x_scale * si);
    int c = static_cast<int>(h * y_scale * si);
    int d = static_cast<int>(h * y_scale * co);
    int e = static_cast<int>(w * x_scale * co + h * y_scale * si);
    int f = static_cast<int>(h * y_scale * co - w * x_scale * si);
    x1 = std::min({0, a, c, e});
    y1 = std::min({0, b, d, f});
    x2 = std::max({0, a, c, e});
    y2 = std::max({0, b, d, f});
}
