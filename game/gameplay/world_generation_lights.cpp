// Lights and fog of a screen, configured from the screen's "FX n" keys.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "objects/picture_types.h"
#include "objects/world_actives.h"
#include "platform/random.h"
#include "shader/effects.h"

#include <cstdlib>

namespace {

const int light_types[] = {type_id::Glow1_71, type_id::Glow2_76, type_id::Glow3_77, type_id::Glow4_78};
const int fog_types[] = {type_id::Fog5_79, type_id::Fog6_80};

double number(const std::string& field) { return std::atof(field.c_str()); }

} // namespace

void Frame5::place_light_or_fog(char c)
{
    if (c < '1' || c > '6')
        return;
    FrameObject* created = nullptr;
    switch (c) {
    case '1':
        created = new Glow1_71(cx, cy);
        break;
    case '2':
        created = new Glow2_76(cx, cy);
        break;
    case '3':
        created = new Glow3_77(cx, cy);
        break;
    case '4':
        created = new Glow4_78(cx, cy);
        break;
    case '5':
        created = new Fog5_79(cx, cy);
        break;
    default:
        created = new Fog6_80(cx, cy);
        break;
    }
    place(created, 0);

    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    Tokenizer_72* fields = static_cast<Tokenizer_72*>(get_instance(type_id::Tokenizer_72));
    fields->split(level->get_string(std::string("FX ") + c, ""), ",|");
    // Missing fields read as 0 (or as the empty string).
    auto configure = [&](FrameObject* object, bool light) {
        Active* glow = static_cast<Active*>(object);
        if (glow->alterable_values->get(0, 0) != 0)
            return;
        glow->set_position(cx - 16 + randrange(32), cy - 16 + randrange(32));
        // A layer the frame does not have (a missing or mistyped field)
        // leaves the object on the light layer.
        int layer = static_cast<int>(number(fields->get(0))) - 1;
        if (layer >= 0 && layer < static_cast<int>(layers.size()))
            glow->set_layer(layer);
        glow->set_scale(number(fields->get(1)));
        glow->blend_color.set_alpha_coefficient(static_cast<int>(number(fields->get(3))));
        show_frame(glow, static_cast<int>(number(fields->get(5))) + 1);
        glow->set_angle(randrange(640), 0);
        glow->set_blend_color(static_cast<int>(number(fields->get(2))));
        if (fields->get(4) == "+")
            glow->set_shader(additive_shader);
        if (light) {
            glow->alterable_values->set(1, number(fields->get(3)));
            glow->alterable_values->set(2, number(fields->get(6)));
            int flicker =
                static_cast<int>(number(fields->get(7))) + randrange(static_cast<int>(number(fields->get(8))));
            glow->alterable_values->set(3, flicker);
            glow->alterable_values->set(4, flicker);
        } else {
            glow->alterable_values->set(1, randrange(2) * 2 - 1);
            glow->alterable_values->set(2, number(fields->get(6)));
        }
    };
    for (int type : light_types)
        for (FrameObject* light : ObjectList(get_instances(type)))
            configure(light, true);
    for (int type : fog_types)
        for (FrameObject* fog : ObjectList(get_instances(type)))
            configure(fog, false);
    for (int type : light_types)
        for (FrameObject* light : get_instances(type))
            light->alterable_values->set(0, 1);
    for (int type : fog_types)
        for (FrameObject* fog : get_instances(type))
            fog->alterable_values->set(0, 1);
}
