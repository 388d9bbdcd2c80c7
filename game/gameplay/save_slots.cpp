// The save slot: loading it (or the world's default savegame) when the frame
// starts, and writing it at hidden savepoints and containers.
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "media/media.h"
#include "objects/objects.h"
#include "objects/utility.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "shader/effects.h"

#include <string>

namespace {
const int music_channel = 4;
const int caption_layer = 7;
const int interface_layer = 8;
const int hidden_text_types[] = {
    type_id::PlayerItems_86,    type_id::ContainerItems_87,    type_id::TextObject_113,
    type_id::ItemUsageInfo_136, type_id::SpeechBubbleText_137, type_id::BlockedTransferExplanation_138,
    type_id::Item_139,
};
} // namespace

std::string Frame5::slot_path()
{
    return strings->get(save_path) + "/Slot " + std::to_string(static_cast<int>(values->get(slot_number))) + ".ini";
}

void Frame5::load_savegame()
{
    INI* savegame = static_cast<INI*>(get_instance(type_id::SavegameIni_85));
    values->set(scratch_flag, 1);
    // Slot 0 is a game that is never saved: it always starts afresh.
    if (values->get(slot_number) != 0 && File::file_exists(slot_path())) {
        savegame->load_file(slot_path(), false, false, false);
        values->set(scratch_flag, 0);
    }
    if (values->get(scratch_flag) == 1)
        savegame->load_file(strings->get(world_path) + "/Settings/Default Savegame.ini", false, false, false);

    savegame->set_group("Position", false);
    values->set(map_x, savegame->get_value("X Map", 0));
    values->set(map_y, savegame->get_value("Y Map", 0));
    FrameObject* alchemist = get_instance(type_id::TheAlchemist_82);
    alchemist->set_x(static_cast<int>(savegame->get_value("X", 0) * 32 + 16));
    alchemist->set_y(static_cast<int>(savegame->get_value("Y", 0) * 32 + 16));
    alchemist->set_direction(static_cast<int>(savegame->get_value("Direction", 0)));
    savegame->set_group("Player", false);
}

void Frame5::run_start_group()
{
    Utility::SetRandomSeedToTimer();
    load_savegame();

    if (media) {
        for (int channel = 0; channel < music_channel; channel++)
            media->set_channel_volume(channel, 0);
        media->set_channel_volume(music_channel, values->get(music_volume));
    }
    start_ambiance();

    get_instance(type_id::TextObject_113)->set_layer(caption_layer);
    get_instance(type_id::SpeechBubbleBackground_117)->set_layer(caption_layer);
    get_instance(type_id::SpeechBubbleText_137)->set_layer(caption_layer);
    get_instance(type_id::MusicValues_111)->alterable_values->set(0, 1200 + randrange(1200));
    FrameObject* distortion = get_instance(type_id::ItemInformationDistortion_124);
    if (values->get(quality) > 0) {
        distortion->destroy();
    } else {
        distortion->set_layer(interface_layer);
        distortion->set_shader(offset_shader);
        distortion->set_shader_parameter("width", 30);
        distortion->set_shader_parameter("height", 30);
    }
    static_cast<INI*>(get_instance(type_id::ChannelFadeoutInitialVolumes_128))->set_group("General", false);
    // The bitmap text draws these texts' glyphs; the texts themselves stay
    // unseen.
    for (int type : hidden_text_types)
        for (FrameObject* text : get_instances(type))
            text->set_visible(false);
    static_cast<INI*>(get_instance(type_id::AutoBlitter_144))->set_group("General", false);
    group_start = false;
}

void Frame5::save_position(FrameObject* place, int facing)
{
    INI* savegame = static_cast<INI*>(get_instance(type_id::SavegameIni_85));
    Active* marker = static_cast<Active*>(place);
    savegame->set_value("Position", "X Map", 0, values->get(map_x));
    savegame->set_value("Position", "Y Map", 0, values->get(map_y));
    savegame->set_value("Position", "X", 0, marker->get_action_x() / 32);
    savegame->set_value("Position", "Y", 0, marker->get_action_y() / 32);
    savegame->set_value("Position", "Direction", 0, facing);
    savegame->save_file(slot_path(), true);
}

void Frame5::save_at_hidden_savepoints()
{
    if (values->get(slot_number) == 0)
        return;
    FrameObject* alchemist = get_instance(type_id::TheAlchemist_82);
    for (FrameObject* savepoint : ObjectList(get_instances(type_id::HiddenSavepoint_129))) {
        if (savepoint->destroying || !alchemist->overlaps(savepoint))
            continue;
        save_position(savepoint, alchemist->get_direction());
        savepoint->destroy();
    }
}

void Frame5::start_container_save()
{
    // The first touch of each container on a screen saves; touching it again
    // does not, until another one was touched.
    AlterableStrings* frame_strings = get_instance(type_id::FrameVariables_115)->alterable_strings;
    const std::string at_hand = frame_strings->get(0, "");
    if (at_hand.empty() || at_hand == frame_strings->get(1, ""))
        return;
    frame_strings->set(1, at_hand);
    group_container_save = true;
}

void Frame5::run_container_save_group()
{
    if (values->get(slot_number) != 0) {
        const double at_hand = get_instance(type_id::FrameVariables_115)->alterable_values->get(0, -1);
        for (FrameObject* container : get_instances(type_id::ItemContainer_89)) {
            if (static_cast<double>(container->get_fixed()) == at_hand) {
                save_position(container, container->get_direction());
                break;
            }
        }
    }
    group_container_save = false;
}
