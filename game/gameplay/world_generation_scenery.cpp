// Living scenery of a screen: plants, straws, creatures and exploders.
#include "gameplay/frame5.h"
#include "objects/world_actives.h"
#include "platform/random.h"

namespace {

// A swaying plant: where it stands below the tile centre (plus a random
// part), how it looks, and its sway (period base and spread, strength).
struct PlantKind {
    char character;
    int layer;
    int dy, dy_random;
    int animation;
    double scale;
    int period, period_random;
    int strength;
    // Plants in front of everything are drawn as dark silhouettes.
    bool silhouette;
};

const PlantKind plants[] = {
    {'G', 6, 16, 0, 17, 1.5, 300, 100, 5, false},  {'g', 6, 96, 0, 17, 1.5, 300, 100, 3, false},
    {'W', 3, 16, 24, 18, 1.5, 600, 200, 5, false}, {'w', 7, 72, 36, 18, 2, 600, 200, 5, true},
    {'Y', 3, 22, 0, 20, 1.5, 600, 200, 1, false},  {'y', 6, 52, 0, 20, 1.5, 600, 200, 1, true},
    {'j', 3, 16, 0, 16, 1.5, 300, 100, 5, false},  {'I', 3, 48, 0, 13, 1.5, 300, 100, 5, false},
    {'i', 2, 48, 0, 14, 2, 300, 100, 5, false},    {'\xCF', 3, 16, 32, 19, 1.5, 300, 100, 3, false},
    {'\xEF', 7, 96, 32, 19, 2, 300, 100, 3, true},
};

const int sway_position = 2;
const int sway_period = 3;
const int sway_strength = 4;

void set_sway(FrameObject* plant, int period_base, int period_random, int strength)
{
    int period = period_base + randrange(period_random);
    plant->alterable_values->set(sway_period, period);
    plant->alterable_values->set(sway_position, randrange(period));
    plant->alterable_values->set(sway_strength, strength);
}

} // namespace

void Frame5::place_plant(char c)
{
    if (c == 'P') {
        run_loop("Straw 0", 2, [this] { loop_straw_0(); });
        run_loop("Straw 1", 1, [this] { loop_straw_1(); });
        return;
    }
    if (c == 'p') {
        run_loop("Straw 1", 1, [this] { loop_straw_1(); });
        return;
    }
    if (c == '\xA7') {
        Active* vine = place(new SineRotator_70(cx, cy), 5);
        vine->force_animation(15);
        set_sway(vine, 300, 100, 2);
        vine->alterable_values->set(5, randrange(360));
        return;
    }
    for (const PlantKind& kind : plants) {
        if (kind.character != c)
            continue;
        int x = cx - 8 + randrange(16);
        int y = cy + kind.dy + (kind.dy_random ? randrange(kind.dy_random) : 0);
        Active* plant = place(new SineRotator_70(x, y), kind.layer);
        plant->force_animation(kind.animation);
        plant->set_scale(kind.scale);
        set_sway(plant, kind.period, kind.period_random, kind.strength);
        if (kind.silhouette)
            plant->set_blend_color(0);
        return;
    }
}

void Frame5::place_creature(char c)
{
    if (c == '*') {
        Active* firefly = place(new Firefly_75(cx, cy), 4);
        firefly->alterable_values->set(4, cx);
        firefly->alterable_values->set(5, cy);
        firefly->force_animation(1);
    } else if (c == '!') {
        place(new Walker_105(cx, cy), 4)->force_animation(12);
    } else if (c == '\xF6') {
        int x = cx - 12 + randrange(25);
        Active* bird = place(new Birdfly_125(x, cy + 15), 4);
        bird->force_animation(1);
        show_frame(bird, 65535);
        bird->alterable_values->set(0, bird->x);
        bird->alterable_values->set(2, bird->x);
        bird->alterable_values->set(1, bird->y);
        bird->alterable_values->set(3, bird->y);
        bird->set_scale(0.5 + 0.1 * randrange(5));
    }
}

void Frame5::place_exploders(char c)
{
    if (c != 'X' && c != 'x')
        return;
    // One exploder on each solid side, pointing away from the rock.
    const std::string* sides[] = {&tile_below, &tile_above, &tile_left, &tile_right};
    const double angles[] = {0, 180, 270, 90};
    for (int side = 0; side < 4; side++) {
        if (!solid(*sides[side]))
            continue;
        Active* exploder = place(new Exploder_118(cx, cy), 4);
        exploder->set_angle(angles[side], 0);
        exploder->force_animation(c == 'X' ? 1 : 2);
        show_frame(exploder, 0);
        if (c == 'x') {
            exploder->alterable_values->set(3, -1);
            exploder->alterable_values->set(2, 300 + randrange(100));
            exploder->alterable_values->set(6, 1);
            exploder->alterable_strings->set(0, "Attract Spiker");
            exploder->alterable_values->set(7, 1);
        }
    }
}
