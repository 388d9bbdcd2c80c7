// Music on its own channel: a screen's queued song once per save, otherwise
// songs from the screen's playlist with long pauses of silence between them.
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "media/media.h"
#include "objects/objects.h"
#include "objects/utility.h"
#include "platform/random.h"

#include <algorithm>
#include <string>

namespace {

// Music values: the pause left, the playlist song played last, the one
// chosen next; string 0 is the queued song.
const int pause_left = 0;
const int last_song = 1;
const int next_song = 2;
const int queued_song = 0;

int pause_ticks() { return 1200 + randrange(1200); }

} // namespace

void Frame5::queue_screen_music()
{
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    if (!level->has_item("Queue"))
        return;
    const std::string song = level->get_string("Queue", "");
    INI* savegame = static_cast<INI*>(get_instance(type_id::SavegameIni_85));
    if (!savegame->has_item("Played Songs", song))
        get_instance(type_id::MusicValues_111)->alterable_strings->set(queued_song, song);
}

std::string Frame5::screen_playlist()
{
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    const std::string playlist = level->get_string("Playlist", "");
    // Asking for the size of a missing group would add it to the shared
    // level document.
    return level->has_group(playlist) ? playlist : "";
}

void Frame5::play_song(const std::string& song)
{
    if (media)
        media->play(strings->get(world_path) + "/" + song, music_channel, 1);
    get_instance(type_id::MusicValues_111)->alterable_values->set(pause_left, pause_ticks());
}

void Frame5::run_music()
{
    FrameObject* music = get_instance(type_id::MusicValues_111);
    AlterableValues* music_values = music->alterable_values;
    const bool silent = !media || !media->is_channel_playing(music_channel);
    if (silent)
        music_values->set(pause_left, std::max(music_values->get(pause_left, 0) - 1, 0.0));

    const std::string queued = music->alterable_strings->get(queued_song, "");
    if (silent && !queued.empty()) {
        static_cast<INI*>(get_instance(type_id::SavegameIni_85))->set_value("Played Songs", queued, 0, 1);
        music->alterable_strings->set(queued_song, "");
        play_song(queued);
    }

    if (music_values->get(pause_left, 0) != 0)
        return;
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    const std::string playlist = screen_playlist();
    const int count = playlist.empty() ? 0 : level->get_item_count(playlist);
    if (count == 1) {
        play_song(level->get_string_index(playlist, 0));
    } else if (count > 1) {
        // Never the same song twice in a row.
        run_loop("Randomize Song", -1, [this] { loop_randomize_song(); });
        play_song(level->get_string_index(playlist, static_cast<int>(music_values->get(next_song, 0))));
    }
}

void Frame5::loop_randomize_song()
{
    INI* level = static_cast<INI*>(get_instance(type_id::LevelIni_22));
    AlterableValues* music_values = get_instance(type_id::MusicValues_111)->alterable_values;
    const int count = level->get_item_count(screen_playlist());
    music_values->set(next_song, Utility::IntGenerateRandom(0, count - 1));
    if (music_values->get(next_song, 0) != music_values->get(last_song, 0)) {
        music_values->set(last_song, music_values->get(next_song, 0));
        stop_loop("Randomize Song");
    }
}
