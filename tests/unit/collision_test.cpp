#include "collision/collision.h"
#include "frame/background.h"
#include "frame/frame.h"
#include "image/image.h"
#include "objects/active.h"
#include "support/png_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>

namespace {

unsigned char opaque(int, int) { return 255; }

// An instance with its own sprite shape over one image.
struct Sprite {
    Sprite(Image* image, int x, int y) : owner("Sprite", x, y, 1), shape(&owner, image) {}
    FrameObject owner;
    SpriteCollision shape;
};

TEST(Collide, BoxesMeetingEdgeToEdgeDoNotCollide)
{
    auto image = make_image(8, 8, 0, 0, opaque);
    Sprite a(image.get(), 100, 100);
    const struct {
        int x, y;
        bool collides;
    } cases[] = {
        {108, 100, false}, {107, 100, true}, {92, 100, false}, {93, 100, true},
        {100, 108, false}, {100, 107, true}, {100, 92, false}, {107, 107, true},
    };
    for (const auto& c : cases) {
        Sprite b(image.get(), c.x, c.y);
        EXPECT_EQ(collide(&a.shape, &b.shape), c.collides) << c.x << "," << c.y;
        EXPECT_EQ(collide(&b.shape, &a.shape), c.collides) << c.x << "," << c.y;
    }
}

TEST(Collide, TransparentPixelsCollideOnlyUnderBoxCollision)
{
    // Only the bottom-right pixel is opaque; the hot spot sits at the centre.
    auto image = make_image(4, 4, 2, 2, [](int x, int y) -> unsigned char { return x == 3 && y == 3 ? 255 : 0; });
    Sprite sprite(image.get(), 50, 50);
    PointCollision empty_pixel(48, 48);
    PointCollision solid_pixel(51, 51);
    PointCollision outside(52, 52);
    EXPECT_FALSE(collide(&empty_pixel, &sprite.shape));
    EXPECT_TRUE(collide(&solid_pixel, &sprite.shape));
    EXPECT_FALSE(collide(&outside, &sprite.shape));
    sprite.shape.is_box = true;
    EXPECT_TRUE(collide(&empty_pixel, &sprite.shape));
    EXPECT_FALSE(collide(&outside, &sprite.shape));
}

TEST(Collide, BoxShapesCollideWheneverTheirBoxesIntersect)
{
    FrameObject text("Text", 10, 20, 2);
    text.width = 30;
    text.height = 5;
    InstanceBox box(&text);
    const struct {
        int x, y;
        bool inside;
    } points[] = {{10, 20, true}, {39, 24, true}, {40, 20, false}, {10, 25, false}, {9, 22, false}};
    for (const auto& p : points) {
        PointCollision point(p.x, p.y);
        EXPECT_EQ(collide(&point, &box), p.inside) << p.x << "," << p.y;
    }
}

TEST(Collide, MissingShapeNeverCollides)
{
    auto image = make_image(8, 8, 0, 0, opaque);
    Sprite sprite(image.get(), 0, 0);
    EXPECT_FALSE(collide(nullptr, &sprite.shape));
    EXPECT_FALSE(collide(&sprite.shape, nullptr));
    // A kind without a shape (an INI object, say) overlaps nothing.
    FrameObject ini("INI", 0, 0, 3);
    FrameObject other("Other", 0, 0, 4);
    EXPECT_FALSE(ini.overlaps(&other));
}

TEST(SpriteCollision, BoxFollowsRotationAndScale)
{
    auto image = make_image(32, 16, 0, 0, opaque);
    const struct {
        double angle, x_scale, y_scale;
        int width, height;
    } cases[] = {
        {0, 1, 1, 32, 16},   {90, 1, 1, 16, 32}, {0, 2, 2, 64, 32},    {90, 2, 2, 32, 64},
        {180, 1, 1, 32, 16}, {0, 2, 1, 64, 16},  {270, 1, 0.5, 8, 32},
    };
    for (const auto& c : cases) {
        Sprite sprite(image.get(), 0, 0);
        sprite.shape.set_angle(c.angle);
        sprite.shape.set_x_scale(c.x_scale);
        sprite.shape.set_y_scale(c.y_scale);
        EXPECT_EQ(sprite.shape.width, c.width) << c.angle << " " << c.x_scale << " " << c.y_scale;
        EXPECT_EQ(sprite.shape.height, c.height) << c.angle << " " << c.x_scale << " " << c.y_scale;
        EXPECT_EQ(sprite.shape.transformed, c.angle != 0 || c.x_scale != 1 || c.y_scale != 1);
    }
}

TEST(SpriteCollision, RotatedSpriteLeavesTheCornersOfItsBoxEmpty)
{
    auto image = make_image(32, 32, 16, 16, opaque);
    Sprite sprite(image.get(), 200, 200);
    sprite.shape.set_angle(45);
    int box[4];
    sprite.shape.get_box(box);
    EXPECT_EQ(box[2] - box[0], 45);
    for (auto corner : {std::pair<int, int>{box[0] + 1, box[1] + 1},
                        {box[2] - 2, box[1] + 1},
                        {box[0] + 1, box[3] - 2},
                        {box[2] - 2, box[3] - 2}}) {
        PointCollision point(corner.first, corner.second);
        EXPECT_FALSE(collide(&point, &sprite.shape)) << corner.first << "," << corner.second;
    }
    PointCollision centre(200, 200);
    EXPECT_TRUE(collide(&centre, &sprite.shape));
    // Under box collision a mask still meets only the turned rectangle,
    // while another box shape meets the whole box.
    sprite.shape.is_box = true;
    unsigned char solid = 1;
    MaskCollision corner_mask(&solid, box[0] + 1, box[1] + 1, box[0] + 2, box[1] + 2);
    MaskCollision centre_mask(&solid, 200, 200, 201, 201);
    EXPECT_FALSE(collide(&corner_mask, &sprite.shape));
    EXPECT_TRUE(collide(&centre_mask, &sprite.shape));
    PointCollision corner(box[0] + 1, box[1] + 1);
    EXPECT_TRUE(collide(&corner, &sprite.shape));
}

TEST(SpriteCollision, NoImageGivesAnEmptyBoxAtThePosition)
{
    FrameObject owner("Sprite", 30, 40, 1);
    SpriteCollision shape(&owner, nullptr);
    int box[4];
    shape.get_box(box);
    EXPECT_EQ(box[0], 30);
    EXPECT_EQ(box[1], 40);
    EXPECT_EQ(box[2], 30);
    EXPECT_EQ(box[3], 40);
    PointCollision point(30, 40);
    EXPECT_FALSE(collide(&point, &shape));
}

// A frame with one layer whose background takes obstacle pastes.
class ObstacleFrame : public Frame {
public:
    ObstacleFrame() : Frame("Test", 800, 512, Color(), 0, nullptr) { add_layer(1, 1, true); }
    ~ObstacleFrame() { on_end(); }
};

// A 10 x 10 opaque active on the frame, hot spot at its centre.
struct PlacedActive {
    PlacedActive(Frame& frame, int x, int y) : image(make_image(10, 10, 5, 5, opaque))
    {
        active = new Active("Block", x, y, 8);
        active->animations = &animations;
        active->add_direction(0, 0, 0, 0, false, 0);
        active->add_image(0, 0, image.get());
        active->initialize_animations();
        active->initialize_active();
        frame.add_object(active, 0);
    }
    std::unique_ptr<Image> image;
    AnimationMap animations;
    Active* active;
};

TEST(FrameObjectOverlap, InstancesMarkedForDestructionOverlapNothing)
{
    ObstacleFrame frame;
    PlacedActive a(frame, 100, 100), b(frame, 105, 105);
    auto tile = make_image(4, 4, 0, 0, opaque);
    frame.layers[0]->paste(tile.get(), 98, 98, 0, 0, 4, 4, 1);
    EXPECT_TRUE(a.active->overlaps(b.active));
    EXPECT_TRUE(b.active->overlaps(a.active));
    EXPECT_TRUE(a.active->overlaps_background());
    b.active->destroying = true;
    EXPECT_FALSE(a.active->overlaps(b.active));
    EXPECT_FALSE(b.active->overlaps(a.active));
    EXPECT_TRUE(a.active->overlaps_background());
    a.active->destroying = true;
    EXPECT_FALSE(a.active->overlaps_background());
}

TEST(FrameObjectOverlap, BackgroundWithoutPastesHasNoObstacles)
{
    ObstacleFrame frame;
    PlacedActive a(frame, 100, 100);
    EXPECT_FALSE(a.active->overlaps_background());
    // A picture paste goes to the raster, not the mask.
    auto tile = make_image(40, 40, 0, 0, opaque);
    frame.layers[0]->paste(tile.get(), 80, 80, 0, 0, 40, 40, 0);
    EXPECT_FALSE(a.active->overlaps_background());
}

TEST(FrameObjectOverlap, OutsidePlayfieldWhenTheBoxLeavesTheFrameEntirely)
{
    ObstacleFrame frame;
    PlacedActive a(frame, 0, 0);
    const struct {
        int x, y;
        bool outside;
    } cases[] = {{-4, 100, false}, {-5, 100, true}, {804, 100, false}, {805, 100, true},
                 {400, -4, false}, {400, -5, true}, {400, 516, false}, {400, 517, true}};
    for (const auto& c : cases) {
        a.active->set_position(c.x, c.y);
        EXPECT_EQ(a.active->outside_playfield(), c.outside) << c.x << "," << c.y;
    }
    a.active->set_position(30, 40);
    const int box[4] = {25, 35, 35, 45};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(a.active->get_box_index(i), box[i]);
    // A kind without a shape has an empty box at the origin.
    FrameObject shapeless("Counter", 300, 300, 2);
    EXPECT_EQ(shapeless.get_box_index(2), 0);
}

// The sprite's shape: a ring with a notch, so turning it matters.
unsigned char ring(int x, int y)
{
    double dx = x - 11.5, dy = y - 7.5;
    double r = std::sqrt(dx * dx / 4 + dy * dy);
    return r > 3 && r < 7.5 && !(x > 16 && std::abs(dy) < 2) ? 200 : 0;
}

// Whether the shape is solid at a frame position, found by turning the point
// back with complex numbers rather than through the shape's own code: the
// picture is turned about its origin, its box spans the truncated extreme
// corners, and the turned hot spot is placed on the instance's position.
// Points outside that box are never solid, even where turning them back
// would land inside the picture (the truncated box can shave off an edge).
bool reference_solid(const Image& image, int pos_x, int pos_y, double angle, double xs, double ys, int fx, int fy)
{
    const std::complex<double> turn = std::polar(1.0, angle * 3.14159265358979323846 / 180.0);
    auto forward = [&](double px, double py) { return std::conj(turn) * std::complex<double>(px * xs, py * ys); };
    int min_x = 0, min_y = 0, max_x = 0, max_y = 0;
    for (auto corner : {forward(image.width, 0), forward(0, image.height), forward(image.width, image.height)}) {
        min_x = std::min(min_x, static_cast<int>(corner.real()));
        min_y = std::min(min_y, static_cast<int>(corner.imag()));
        max_x = std::max(max_x, static_cast<int>(corner.real()));
        max_y = std::max(max_y, static_cast<int>(corner.imag()));
    }
    std::complex<double> hot = forward(image.hotspot_x, image.hotspot_y);
    int left = pos_x - (static_cast<int>(hot.real()) - min_x);
    int top = pos_y - (static_cast<int>(hot.imag()) - min_y);
    if (fx < left || fy < top || fx >= left + max_x - min_x || fy >= top + max_y - min_y)
        return false;
    std::complex<double> back = turn * std::complex<double>(fx - left + min_x, fy - top + min_y);
    double column = back.real() / xs, row = back.imag() / ys;
    if (column <= -1 || row <= -1 || column >= image.width || row >= image.height)
        return false;
    return image.pixels[(static_cast<int>(row) * image.width + static_cast<int>(column)) * 4 + 3] != 0;
}

TEST(SpriteCollision, TurnedAndScaledActiveMeetsTheBackgroundMaskExactlyWhereEveryPixelSaysSo)
{
    ObstacleFrame frame;
    // Sparse 3 x 3 obstacles on a 17-pixel grid, including the mask's
    // margin beyond the screen edges.
    auto tile = make_image(3, 3, 0, 0, opaque);
    for (int y = -32; y < 544; y += 17)
        for (int x = -32; x < 832; x += 17)
            frame.layers[0]->paste(tile.get(), x, y, 0, 0, 3, 3, 1);

    auto image = make_image(24, 16, 5, 7, ring);
    AnimationMap animations;
    Active* active = new Active("Ring", 0, 0, 7);
    active->animations = &animations;
    active->add_direction(0, 0, 0, 0, false, 0);
    active->add_image(0, 0, image.get());
    active->initialize_animations();
    active->initialize_active();
    frame.add_object(active, 0);
    frame.layers[0]->back->update();
    const unsigned char* mask = frame.layers[0]->back->mask;

    const struct {
        double angle, x_scale, y_scale;
    } transforms[] = {{0, 1, 1},       {30, 1, 1},  {45, 2, 2},       {90, 1.5, 0.75},
                      {137.5, 0.5, 1}, {200, 1, 2}, {315, 1.25, 1.25}};
    int hits = 0, misses = 0;
    for (const auto& t : transforms) {
        active->set_angle(t.angle, 0);
        active->set_x_scale(t.x_scale);
        active->set_y_scale(t.y_scale);
        for (int y = -40; y < 560; y += 23)
            for (int x = -40; x < 850; x += 29) {
                active->set_position(x, y);
                bool expected = false;
                for (int fy = y - 60; fy < y + 60 && !expected; fy++)
                    for (int fx = x - 60; fx < x + 60 && !expected; fx++)
                        expected = fx >= -32 && fx < 832 && fy >= -32 && fy < 544 &&
                                   mask[(fx + 32) + (fy + 32) * 864] != 0 &&
                                   reference_solid(*image, x, y, t.angle, t.x_scale, t.y_scale, fx, fy);
                ASSERT_EQ(active->overlaps_background(), expected)
                    << "angle " << t.angle << " scale " << t.x_scale << "x" << t.y_scale << " at " << x << "," << y;
                (expected ? hits : misses)++;
            }
    }
    // Both answers must occur often, or the sweep proves little.
    EXPECT_GT(hits, 100);
    EXPECT_GT(misses, 100);
}

} // namespace
