#include "objects/interface_actives.h"

#include <string>

namespace {
const int HIDDEN = TYPE_HIDDEN;
const int BOX = TYPE_BOX_COLLISION;
} // namespace

const char* blitter_settings()
{
    static const std::string settings = [] {
        std::string s = "Letter Spacing=1 Word Spacing=3 Line Height=17 Separator Height=30 Character Set=";
        // The quote and the backslash would need escaping in the texts, so
        // the quote comes last among the accented letters and the backslash
        // is left out.
        for (char c = '!'; c <= '~'; c++)
            if (c != '"' && c != '\\')
                s += c;
        s += "\xC9\xE9\"\xDA\xFA";
        return s;
    }();
    return settings.c_str();
}

VELMORA_DEFINE_ACTIVE_TYPE(KeyboardVariables_83, "Keyboard Variables", 74, BOX, 1, {{letter('Q'), 1}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(PlayerItemBackground_88, "Player Item Background", 79, BOX, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(ContainerItemBackground_91, "Container Item Background", 82, BOX, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(ItemMarker_92, "Item Marker", 83, BOX, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Equipped_93, "Equipped", 84, BOX, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(PlayerItemsBackground_101, "Player Items Background", 92, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(ContainerItemsBackground_102, "Container Items Background", 93, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(AmbianceVolumes_109, "Ambiance Volumes", 100, BOX, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(AmbianceFrequencies_110, "Ambiance Frequencies", 101, BOX, 1,
                           {{letter('B'), 44100}, {letter('C'), 44100}, {letter('D'), 44100}, {letter('E'), 44100}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(MusicValues_111, "Music Values", 102, BOX, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(SoundValues_112, "Sound Values", 103, BOX, 1,
                           {{letter('B'), 15}, {letter('C'), 6}, {letter('D'), 22}, {letter('E'), 6}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(BlockedTransferBackground_114, "Blocked Transfer Background", 105, HIDDEN | BOX, 0,
                           {{letter('A'), 15}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(FrameVariables_115, "Frame Variables", 106, BOX, 1, {{letter('A'), -1}, {letter('D'), 32}},
                           {})
VELMORA_DEFINE_ACTIVE_TYPE(SpeechBubbleBackground_117, "Speech Bubble Background", 108, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(WinFader_127, "Win Fader", 118, 0, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(UsageInfoBackground_130, "Usage Info Background", 121, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(DeathFader_132, "Death Fader", 123, 0, 1, {}, {})
// Strings 1 and 2 are the two fonts' settings, 5 and 6 the alignments.
VELMORA_DEFINE_ACTIVE_TYPE(TextGenerator_141, "Text Generator", 131, HIDDEN, 0, {{letter('B'), 176}},
                           {{1, blitter_settings()}, {2, blitter_settings()}, {5, "Left"}, {6, "Top"}})
VELMORA_DEFINE_ACTIVE_TYPE(LastTextInfo_142, "Last Text Info", 132, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(TextBlitter_143, "Text Blitter", 133, 0, 0, {}, {})
