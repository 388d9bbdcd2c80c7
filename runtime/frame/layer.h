#pragma once

#include "frame/frame_object.h"

class Background;
class Image;

// One plane of a frame: the drawing order of its instances (first = furthest
// back), background instances drawn beneath them, scroll coefficients and an
// optional pasted background with its obstacle mask.
class Layer {
public:
    ObjectList instances;
    ObjectList background_instances;
    bool visible;
    double scroll_x, scroll_y;
    Background* back;
    int index;

    Layer(double scroll_x, double scroll_y, bool visible, int index);
    ~Layer();

    void add_object(FrameObject* obj);
    void insert_object(FrameObject* obj, int position);
    void remove_object(FrameObject* obj);
    void add_background_object(FrameObject* obj);
    void set_level(FrameObject* obj, int level);
    int get_level(FrameObject* obj);
    void scroll(int dx, int dy);

    void create_background();
    void destroy_backgrounds();
    void paste(Image* image, int x, int y, int src_x, int src_y, int width, int height, int collision_type);
    void draw();
};
