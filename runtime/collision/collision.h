#pragma once

class FrameObject;
class Image;

// A shape for overlap tests: a box in frame coordinates (right and bottom
// exclusive) and, for each point of it, whether the point is solid.
class CollisionBase {
public:
    bool is_box;

    explicit CollisionBase(bool is_box) : is_box(is_box) {}
    virtual void get_box(int box[4]);
    // Coordinates relative to the box's top-left corner.
    virtual bool get_bit(int x, int y);

protected:
    // Each shape is owned and deleted through its own type, never through
    // the base.
    ~CollisionBase() = default;
};

// An instance's own rectangle (x, y, width, height); texts use it.
class InstanceBox final : public CollisionBase {
public:
    FrameObject* instance;
    explicit InstanceBox(FrameObject* instance);
    void get_box(int box[4]) override;
};

class PointCollision final : public CollisionBase {
public:
    int x, y;
    PointCollision(int x, int y);
    void get_box(int box[4]) override;
};

// A raw byte mask, non-zero = solid; the obstacle mask of a background.
class MaskCollision final : public CollisionBase {
public:
    unsigned char* mask;
    int x1, y1, x2, y2;
    MaskCollision(unsigned char* mask, int x1, int y1, int x2, int y2);
    void get_box(int box[4]) override;
    bool get_bit(int x, int y) override;
};

// An active's current image under rotation and scaling.
class SpriteCollision final : public CollisionBase {
public:
    FrameObject* instance;
    Image* image;
    double angle;
    double x_scale, y_scale;
    bool transformed;
    double co, si;
    int x1, y1, x2, y2;
    int width, height;
    int hotspot_x, hotspot_y;

    SpriteCollision(FrameObject* instance, Image* image);
    void set_image(Image* image);
    void set_angle(double angle);
    void set_scale(double scale);
    void set_x_scale(double scale);
    void set_y_scale(double scale);
    void get_transform(int x, int y, int& out_x, int& out_y);
    void get_box(int box[4]) override;
    bool get_bit(int x, int y) override;

private:
    void update_transform();
};

bool collide(CollisionBase* a, CollisionBase* b);
bool collides(int a_left, int a_top, int a_right, int a_bottom, int b_left, int b_top, int b_right, int b_bottom);
void intersect(int a_left, int a_top, int a_right, int a_bottom, int b_left, int b_top, int b_right, int b_bottom,
               int& left, int& top, int& right, int& bottom);
void transform_rect(int w, int h, double co, double si, double x_scale, double y_scale, int& x1, int& y1, int& x2,
                    int& y2);
