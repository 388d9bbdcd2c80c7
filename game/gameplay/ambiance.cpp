// The four looping ambiance layers: started once with the frame, then each
// tick their loudness and pitch glide towards what the screen asks for.
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "media/media.h"
#include "objects/objects.h"

#include <algorithm>
#include <string>

namespace {

const int layer_count = 4;
const double volume_step = 1.3;
const double frequency_step = 450;
const double normal_frequency = 44100;

std::string layer_key(int layer) { return "Channel " + std::to_string(layer); }

// One step of a glide from `current` towards `target`, never past it.
double glide(double current, double target, double step)
{
    if (target > current)
        return std::min(current + step, target);
    return std::max(current - step, target);
}

} // namespace

void Frame5::start_ambiance()
{
    group_sound = true;
    if (!media)
        return;
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    for (int layer = 1; layer <= layer_count; layer++)
        if (level->has_item("Ambiance", layer_key(layer)))
            media->play(strings->get(world_path) + "/" + level->get_string("Ambiance", layer_key(layer), ""), layer - 1,
                        0);
}

void Frame5::run_interaction_lights_and_sound()
{
    run_interaction_lights();
    if (!group_sound)
        return;
    // Pass 0 stands in for layer 1, so layer 1 takes two steps a tick.
    run_loop("Ambiance", layer_count + 1, [this] { loop_ambiance(); });
    run_music();
}

void Frame5::loop_ambiance()
{
    const int layer = std::max(get_loop_index("Ambiance"), 1);
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    const std::string setting = level->get_string(layer_key(layer), "");
    AlterableValues* volumes = get_instance(AmbianceVolumes_109::description().id)->alterable_values;
    AlterableValues* frequencies = get_instance(AmbianceFrequencies_110::description().id)->alterable_values;

    const double volume = glide(volumes->get(layer, 0), level->get_value(setting, "Volume", 0), volume_step);
    volumes->set(layer, volume);
    const double frequency =
        glide(frequencies->get(layer, 0), level->get_value(setting, "Frequency", normal_frequency), frequency_step);
    frequencies->set(layer, frequency);

    if (!media)
        return;
    media->set_channel_volume(layer - 1, volume * values->get(ambiance_volume) / 100);
    // Under water the whole soundscape drops an octave at once.
    const double under_water = get_instance(type_id::TheAlchemist_82)->alterable_values->get(in_water, 0);
    media->set_channel_frequency(layer - 1, frequency / (1 + under_water));
}
