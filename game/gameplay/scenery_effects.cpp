// Effects: after a random pause an effect plays its animation once, then
// waits again.
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "objects/active.h"
#include "platform/random.h"

namespace {

const int countdown = 0;
const int pause = 1;
const int extra_pause = 2;
const int played_animation = 3;
const int waiting_animation = 0;

double get(FrameObject* object, int index) { return object->alterable_values->get(index, 0); }

// A played animation does not loop: it stops on its last frame.
bool finished(Active* effect)
{
    Direction* shown = effect->get_direction_data();
    return shown && !shown->loop && effect->get_frame() >= static_cast<int>(shown->frames.size()) - 1;
}

} // namespace

void Frame5::play_effects()
{
    ObjectList& effects = get_instances(type_id::Effect_107);
    // Back to waiting once the animation has played, so the countdown runs
    // again and the effect plays now and then rather than once per visit.
    for (FrameObject* object : effects) {
        Active* effect = static_cast<Active*>(object);
        if (!effect->test_animation(waiting_animation) && finished(effect))
            effect->force_animation(waiting_animation);
    }
    for (FrameObject* object : effects) {
        Active* effect = static_cast<Active*>(object);
        if (get(effect, countdown) >= 0)
            continue;
        effect->set_visible(true);
        effect->force_animation(static_cast<int>(get(effect, played_animation)));
        effect->alterable_values->set(countdown,
                                      get(effect, pause) + randrange(static_cast<int>(get(effect, extra_pause))));
    }
    for (FrameObject* object : effects) {
        Active* effect = static_cast<Active*>(object);
        if (!effect->test_animation(waiting_animation))
            continue;
        effect->alterable_values->sub(countdown, 1);
        effect->set_visible(false);
    }
}
