// Fireflies: a random flight, tethered to the point they were placed at.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "objects/active.h"
#include "objects/utility.h"

#include <cmath>

namespace {

const int home_distance = 0;
const int tether = 1;
const int speed_kept = 2;
const int wander = 3;
const int home_x = 4, home_y = 5;
const int speed_x = 8, speed_y = 9;
const int rest_x = 10, rest_y = 11;
const double degrees_per_radian = 57.29577951308232;

double get(FrameObject* object, int index) { return object->alterable_values->get(index, 0); }
void set(FrameObject* object, int index, double value) { object->alterable_values->set(index, value); }

// Moves one axis by the whole pixels of its remainder, which keeps the
// fraction.
int step(FrameObject* firefly, int rest, int speed)
{
    double moved = get(firefly, rest) + get(firefly, speed) / 100;
    double whole = std::trunc(moved);
    set(firefly, rest, moved - whole);
    return static_cast<int>(whole);
}

} // namespace

void Frame5::move_fireflies()
{
    for (FrameObject* object : get_instances(type_id::Firefly_75)) {
        Active* firefly = static_cast<Active*>(object);
        int dx = step(firefly, rest_x, speed_x);
        int dy = step(firefly, rest_y, speed_y);
        firefly->set_position(firefly->x + dx, firefly->y + dy);
        double distance = std::hypot(get(firefly, home_x) - firefly->x, get(firefly, home_y) - firefly->y);
        set(firefly, home_distance, distance);

        float range = static_cast<float>(get(firefly, wander));
        set(firefly, speed_x, get(firefly, speed_x) + Utility::GenerateRandom(-range, range));
        set(firefly, speed_y, get(firefly, speed_y) + Utility::GenerateRandom(-range, range));

        // The whole distance pulls on each axis. Without a tether there is
        // no pull (and no division by zero).
        double length = get(firefly, tether) / 10;
        double pull = length != 0 ? distance / length : 0;
        set(firefly, speed_x, get(firefly, speed_x) + (get(firefly, home_x) < firefly->x ? -pull : pull));
        set(firefly, speed_y, get(firefly, speed_y) + (get(firefly, home_y) < firefly->y ? -pull : pull));
        double kept = get(firefly, speed_kept) / 100;
        set(firefly, speed_x, get(firefly, speed_x) * kept);
        set(firefly, speed_y, get(firefly, speed_y) * kept);

        // It flickers; a fast one is drawn stretched along its path and
        // opaque, a slow one faint.
        float speed = static_cast<float>(std::hypot(get(firefly, speed_x), get(firefly, speed_y)));
        firefly->set_y_scale(Utility::GenerateRandom(0.2f, 1.7f));
        firefly->set_x_scale(Utility::ModifyRange(speed, 100, 300, 1, 3.5f, true));
        firefly->set_angle(std::atan2(get(firefly, speed_y), -get(firefly, speed_x)) * degrees_per_radian, 0);
        firefly->blend_color.set_alpha_coefficient(
            static_cast<int>(Utility::ModifyRange(speed, 150, 300, 200, 0, true)));
    }
}
