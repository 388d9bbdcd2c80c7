// Sound effects: each request takes the next channel of the effect pool, is
// panned by where its source stands and pitched at random.
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "media/media.h"
#include "objects/objects.h"
#include "objects/utility.h"
#include "platform/random.h"

#include <algorithm>
#include <string>

namespace {

// The request: strings are the kind and the variant; values the source's x,
// the pan width, the first and last channel numbers of the pool (counted
// from 1) and the number used last.
const int source_x = 0;
const int pan_width = 1;
const int first_channel = 2;
const int last_channel = 3;
const int used_channel = 4;

const double normal_frequency = 44100;

// How a kind of effect sounds. The frequency is a random number below
// `random_hz` plus `base_hz`; a `random_hz` of 0 keeps the normal frequency.
// A footstep picks one of `choices` numbered fast loops from `first_choice`
// on; any other effect plays `sound`.
struct Effect {
    const char* kind;
    const char* variant; // nullptr: any variant
    double volume_percent;
    int random_hz;
    int base_hz;
    const char* loop;
    int first_choice;
    int choices;
    const char* sound;
};

const Effect effects[] = {
    {"Footstep", "Step Underwater=0", 65, 10000, 33075, "Footstep ", 0, 9, nullptr},
    {"Footstep", "Jump Underwater=0", 85, 6000, 22050, "Footstep ", 0, 4, nullptr},
    {"Footstep", "Climb", 46, 10000, 44100, "Footstep ", 0, 9, nullptr},
    {"Footstep", "Hang", 66, 10000, 44100, "Footstep ", 4, 3, nullptr},
    {"Footstep", "Step Underwater=1", 65, 10000, 33075, "Underwater Footstep ", 0, 3, nullptr},
    {"Footstep", "Jump Underwater=1", 70, 10000, 33075, "Underwater Footstep ", 0, 3, nullptr},
    {"Splash", "Up", 80, 20000, 33100, nullptr, 0, 0, "Splash Up"},
    {"Splash", "Down", 80, 20000, 33100, nullptr, 0, 0, "Splash Down"},
    {"Exploder", "Appear Type 0", 90, 5000, 60000, nullptr, 0, 0, "Exploder Appear"},
    {"Exploder", "Appear Type 1", 90, 4000, 42000, nullptr, 0, 0, "Exploder Appear"},
    {"Exploder", "Attack", 100, 8000, 40000, nullptr, 0, 0, "Exploder Attack"},
    {"Death", nullptr, 90, 0, 0, nullptr, 0, 0, "Hurt"},
};

const Effect* find_effect(const std::string& kind, const std::string& variant)
{
    for (const Effect& effect : effects)
        if (kind == effect.kind && (!effect.variant || variant == effect.variant))
            return &effect;
    return nullptr;
}

// The sound a numbered footstep loop plays: "Footstep 0" to "Footstep 8" the
// dirt steps A to I, "Underwater Footstep 0" to "2" the underwater ones.
std::string footstep_sound(const std::string& loop, int pass)
{
    const std::string letter(1, static_cast<char>('A' + pass));
    return loop == "Footstep " ? "Footstep Dirt " + letter : "Footstep Underwater " + letter;
}

} // namespace

// The movement code asks for its step and jump sounds through this loop.
void Frame5::sound_loop_hook() { loop_sound(); }

void Frame5::loop_sound()
{
    if (!group_sound)
        return;
    FrameObject* request = get_instance(SoundValues_112::description().id);
    AlterableValues* request_values = request->alterable_values;
    const int first = static_cast<int>(request_values->get(first_channel, 0));
    const int last = static_cast<int>(request_values->get(last_channel, 0));
    const int next = std::max((static_cast<int>(request_values->get(used_channel, 0)) + 1) % (last + 1), first);
    request_values->set(used_channel, next);
    const int channel = next - 1;

    const double width = request_values->get(pan_width, 0);
    const double volume = values->get(sound_volume);
    if (media) {
        media->set_channel_pan(channel,
                               Utility::ModifyRange(request_values->get(source_x, 0), 0, 800, -width, width, true));
        media->set_channel_frequency(channel, normal_frequency);
        media->set_channel_volume(channel, volume);
    }

    const Effect* effect = find_effect(request->alterable_strings->get(0, ""), request->alterable_strings->get(1, ""));
    if (!effect || !media)
        return;
    media->set_channel_volume(channel, volume * effect->volume_percent / 100);
    if (effect->random_hz > 0)
        media->set_channel_frequency(channel, randrange(effect->random_hz) + effect->base_hz);
    if (effect->loop)
        play_effect_loop(effect->loop, effect->first_choice + randrange(effect->choices), channel);
    else
        media->play_name(effect->sound, channel, 1);
}

void Frame5::play_effect_loop(const std::string& loop, int pass, int channel)
{
    const std::string sound = footstep_sound(loop, pass);
    run_loop(loop + std::to_string(pass), 1, [this, &sound, channel] { media->play_name(sound, channel, 1); });
}
