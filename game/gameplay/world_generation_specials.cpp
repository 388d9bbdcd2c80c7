// Hazards, effects and the special markers of a screen: spikes, sparkles,
// the win marker, hidden savepoints and teleporters.
#include "gameplay/frame5.h"
#include "objects/world_actives.h"
#include "platform/random.h"

void Frame5::place_spike_or_effect(char c)
{
    if (c == '^') {
        place(new Dangers_106(cx, cy + 12), 4)->force_animation(12);
    } else if (c == 'v') {
        Active* spike = place(new Dangers_106(cx, cy - 12), 4);
        spike->set_angle(180, 0);
        spike->force_animation(12);
    } else if (c == ',') {
        Active* effect = place(new Effect_107(cx, cy + 16), 5);
        AlterableValues* v = effect->alterable_values;
        v->set(0, randrange(static_cast<int>(v->get(2, 0) + v->get(1, 0))));
        effect->set_scale(0.75 + randrange(50) / 100.0);
    }
}

void Frame5::place_special(char c)
{
    if (c == '$') {
        paste_rock_fill();
        place(new WinSprite_126(cx, cy), 4);
    } else if (c == '_') {
        place(new HiddenSavepoint_129(cx, cy), 4);
    } else if (c == 't') {
        place(new Teleporter_133(cx, cy), 4);
        paste_rock_fill();
    }
}
