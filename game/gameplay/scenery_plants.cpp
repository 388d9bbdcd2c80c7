// Plants and straws: created on terrain generation's request, swaying on a
// sine around their resting angle.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "objects/utility.h"
#include "objects/world_actives.h"
#include "platform/random.h"

#include <cmath>

namespace {

const int sway_position = 2;
const int sway_period = 3;
const int sway_strength = 4;
const int resting_angle = 5;

double get(FrameObject* object, int index) { return object->alterable_values->get(index, 0); }

} // namespace

void Frame5::loop_straw_0() { make_straw(4, 16, false); }

// The second kind stands lower and in front of the terrain, as a silhouette.
void Frame5::loop_straw_1() { make_straw(5, 24, true); }

void Frame5::make_straw(int layer, int dy, bool silhouette)
{
    FrameObject* cell = get_instance(type_id::SceneryGeneratorVariables_68);
    int x = static_cast<int>(get(cell, 0)) - 15 + randrange(30);
    int y = static_cast<int>(get(cell, 1)) + dy + randrange(32);
    Active* straw = place(new SineRotator_70(x, y), layer);
    if (silhouette)
        straw->set_blend_color(0);
    straw->force_animation(12);
    int period = 300 + randrange(100);
    straw->alterable_values->set(sway_period, period);
    straw->alterable_values->set(sway_position, randrange(period));
    straw->alterable_values->set(sway_strength, 5);
}

void Frame5::sway_plants()
{
    for (FrameObject* object : get_instances(type_id::SineRotator_70)) {
        Active* plant = static_cast<Active*>(object);
        double period = get(plant, sway_period);
        // A plant without a period has no sway to follow: it rests.
        if (period <= 0) {
            plant->set_angle(get(plant, resting_angle), 0);
            continue;
        }
        double position = std::fmod(get(plant, sway_position) + 1, period);
        plant->alterable_values->set(sway_position, position);
        double strength = get(plant, sway_strength);
        plant->set_angle(get(plant, resting_angle) +
                             Utility::Wave(0, static_cast<float>(position), 0, static_cast<float>(period),
                                           static_cast<float>(-strength), static_cast<float>(strength)),
                         0);
    }
}
