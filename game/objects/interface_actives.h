#pragma once

#include "objects/catalogue_active.h"

// The active types of the gameplay screen's interface: value holders, the
// item panels, faders and the bitmap text blitter.

VELMORA_ACTIVE_TYPE(KeyboardVariables_83)
VELMORA_ACTIVE_TYPE(PlayerItemBackground_88)
VELMORA_ACTIVE_TYPE(ContainerItemBackground_91)
VELMORA_ACTIVE_TYPE(ItemMarker_92)
VELMORA_ACTIVE_TYPE(Equipped_93)
VELMORA_ACTIVE_TYPE(PlayerItemsBackground_101)
VELMORA_ACTIVE_TYPE(ContainerItemsBackground_102)
VELMORA_ACTIVE_TYPE(AmbianceVolumes_109)
VELMORA_ACTIVE_TYPE(AmbianceFrequencies_110)
VELMORA_ACTIVE_TYPE(MusicValues_111)
VELMORA_ACTIVE_TYPE(SoundValues_112)
VELMORA_ACTIVE_TYPE(BlockedTransferBackground_114)
VELMORA_ACTIVE_TYPE(FrameVariables_115)
VELMORA_ACTIVE_TYPE(SpeechBubbleBackground_117)
VELMORA_ACTIVE_TYPE(WinFader_127)
VELMORA_ACTIVE_TYPE(UsageInfoBackground_130)
VELMORA_ACTIVE_TYPE(DeathFader_132)
VELMORA_ACTIVE_TYPE(TextGenerator_141)
VELMORA_ACTIVE_TYPE(LastTextInfo_142)
VELMORA_ACTIVE_TYPE(TextBlitter_143)

// The bitmap fonts' parameter string: spacing values, then the character set
// whose position f is glyph frame f + 1.
const char* blitter_settings();
