// Glows that flicker and pulse, fog that turns.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "objects/active.h"
#include "objects/utility.h"
#include "platform/random.h"

#include <cmath>

namespace {

const int glow_types[] = {type_id::Glow1_71, type_id::Glow2_76, type_id::Glow3_77, type_id::Glow4_78};
const int fog_types[] = {type_id::Fog5_79, type_id::Fog6_80};

double get(FrameObject* object, int index) { return object->alterable_values->get(index, 0); }

} // namespace

void Frame5::pulse_glows()
{
    for (int type : glow_types)
        for (FrameObject* object : get_instances(type)) {
            Active* glow = static_cast<Active*>(object);
            glow->set_angle(glow->get_angle() + randrange(41) - 20, 0);
        }
    for (int type : glow_types)
        for (FrameObject* glow : get_instances(type)) {
            double period = get(glow, 3);
            if (period <= 0)
                continue;
            double phase = std::fmod(get(glow, 4) + 1, period);
            glow->alterable_values->set(4, phase);
            float alpha = Utility::Wave(0, static_cast<float>(phase), 0, static_cast<float>(period),
                                        static_cast<float>(get(glow, 1)), static_cast<float>(get(glow, 2)));
            glow->blend_color.set_alpha_coefficient(static_cast<int>(alpha));
        }
}

void Frame5::turn_fog()
{
    for (int type : fog_types)
        for (FrameObject* object : get_instances(type)) {
            Active* fog = static_cast<Active*>(object);
            fog->set_angle(fog->get_angle() + get(fog, 1) * get(fog, 2), 0);
        }
}
