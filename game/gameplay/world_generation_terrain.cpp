// The rock of a screen: solid and background tiles pasted into the layer
// backgrounds, obstacle shapes, corner, grass and slope decoration.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "objects/world_actives.h"
#include "platform/random.h"

namespace {
// The obstacle paster's shapes.
const int full_tile = 16;
const int slope_up_left = 28;
const int slope_down_right = 12;
const int slope_up_right = 20;
const int slope_down_left = 4;
} // namespace

Active* Frame5::place(FrameObject* object, int layer) { return static_cast<Active*>(create_object(object, layer)[0]); }

Active* Frame5::place_decoration(int layer, int animation, double angle)
{
    return place_decoration(layer, animation, angle, cx, cy);
}

Active* Frame5::place_decoration(int layer, int animation, double angle, int x, int y)
{
    Active* decoration = place(new StaticDecorationAnimation_73(x, y), layer);
    decoration->force_animation(animation);
    decoration->set_angle(angle, 0);
    return decoration;
}

void Frame5::paste_tile(int animation, int direction, int x, int y)
{
    Active* paster = static_cast<Active*>(get_instance(type_id::TilePaster_67));
    paster->set_position(x, y);
    paster->force_animation(animation);
    paster->set_direction(direction);
    paster->paste(0);
}

void Frame5::paste_obstacle(int direction)
{
    Active* paster = static_cast<Active*>(get_instance(type_id::ObstacleTilePaster_81));
    paster->set_position(cx, cy);
    paster->set_direction(direction);
    paster->paste(1);
}

void Frame5::paste_rock_fill() { paste_tile(12, pick_random(12, 0, 1, 7, 8, 9, 15, 16, 17, 23, 24, 25, 31), cx, cy); }

void Frame5::paste_solid_fill()
{
    paste_obstacle(full_tile);
    paste_rock_fill();
}

void Frame5::place_inner_corners()
{
    if (solid(tile_below) && solid(tile_left))
        place_decoration(5, 15, 0);
    if (solid(tile_below) && solid(tile_right))
        place_decoration(5, 15, 90);
    if (solid(tile_above) && solid(tile_right))
        place_decoration(5, 15, 180);
    if (solid(tile_above) && solid(tile_left))
        place_decoration(5, 15, 270);
}

void Frame5::place_rock_decoration(char c)
{
    if (c == '%') {
        // Grass on an open top, roots under an open bottom.
        if (!solid(tile_above)) {
            int direction = pick_random(2, 0, 16);
            int x = cx - 7 + randrange(15);
            int y = cy - 24 + randrange(6);
            paste_tile(13, direction, x, y);
        }
        if (!solid(tile_below)) {
            int direction = pick_random(2, 8, 24);
            int x = cx - 7 + randrange(15);
            int y = cy + 20 + randrange(4);
            paste_tile(13, direction, x, y);
        }
        return;
    }
    // Large rocks far behind (upper case) and nearer (lower case); B, b, R
    // and r show the other two rock frames.
    int frame = 0;
    switch (c) {
    case 'M':
    case 'm':
        break;
    case 'B':
    case 'b':
        frame = 1;
        break;
    case 'R':
    case 'r':
        frame = 2;
        break;
    default:
        return;
    }
    const bool far = c == 'M' || c == 'B' || c == 'R';
    Active* rock = place(new StaticDecorationAnimation_73(cx, cy), far ? 1 : 2);
    rock->set_angle(randrange(360), 0);
    rock->set_scale(far ? 3 : 2.5);
    rock->force_animation(12);
    if (far)
        rock->blend_color.set_alpha_coefficient(128);
    if (frame != 0)
        show_frame(rock, frame);
}

void Frame5::show_frame(Active* active, int frame)
{
    // Forcing and releasing leaves the animation on that frame (clamped to
    // the last one).
    active->force_frame(frame);
    active->restore_frame();
}

void Frame5::paste_background_tile(char c)
{
    Active* paster = static_cast<Active*>(get_instance(type_id::TilePaster_67));
    switch (c) {
    case 'H':
        paste_obstacle(full_tile);
        paste_tile(17, 8, cx, cy);
        break;
    case '.':
        if (tile_right == "H") {
            paste_obstacle(slope_down_right);
            paste_tile(17, 16, cx, cy);
        }
        if (tile_left == "H") {
            paste_obstacle(slope_down_left);
            paste_tile(17, 0, cx, cy);
        }
        break;
    case 'h':
        paste_tile(18, pick_random(4, 0, 8, 16, 24), cx, cy);
        break;
    case '\xA4':
        paste_rock_fill();
        break;
    case '\xA9':
        paste_tile(19, pick_random(8, 0, 1, 2, 3, 4, 5, 6, 7), cx, cy);
        break;
    case '\xF8':
        // The first paste keeps whatever direction the paster last had.
        paste_tile(16, paster->direction, cx, cy);
        paste_tile(14, pick_random(4, 0, 8, 16, 24), cx, cy);
        break;
    case ']':
        paste_tile(15, 16, cx, cy);
        break;
    case '[':
        paste_tile(15, 0, cx, cy);
        break;
    default:
        break;
    }
}

void Frame5::place_slope(char c)
{
    if (c == '/') {
        if (solid(tile_above) && solid(tile_left)) {
            paste_obstacle(slope_up_left);
            place_decoration(5, 14, 270);
        }
        if (solid(tile_below) && solid(tile_right)) {
            paste_obstacle(slope_down_right);
            place_decoration(5, 14, 90);
        }
    } else if (c == '\\') {
        if (solid(tile_above) && solid(tile_right)) {
            paste_obstacle(slope_up_right);
            place_decoration(5, 14, 180);
        }
        if (solid(tile_below) && solid(tile_left)) {
            paste_obstacle(slope_down_left);
            place_decoration(5, 14, 0);
        }
    } else if (c == 'V') {
        // Stalactites hang from rock above, stalagmites stand on rock below.
        if (solid(tile_below))
            place_decoration(5, 13, 180, cx - 16 + randrange(32), cy + 16);
        if (solid(tile_above))
            place_decoration(5, 13, 0, cx - 16 + randrange(32), cy - 16);
    }
}
