#include "objects/menu_actives.h"

namespace {
const int HIDDEN = TYPE_HIDDEN;
const int FIXED = TYPE_SCREEN_FIXED;
const int BOX = TYPE_BOX_COLLISION;
const int ADDITIVE = TYPE_ADDITIVE;
} // namespace

VELMORA_DEFINE_ACTIVE_TYPE(Logotypes_11, "Logotypes", 4, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(FrameVariables_13, "Frame Variables", 6, HIDDEN | BOX, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(LeftSlider_14, "Left Slider", 7, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(RightSlider_15, "Right Slider", 8, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(TitleFader_16, "Title Fader", 9, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(TheGameFader_17, "The Game Fader", 10, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(MainMenuSelector_30, "Main Menu Selector", 23, 0, 0, {{letter('A'), 1}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(SlotMenuSelector_33, "Slot Menu Selector", 26, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(KeyboardVariables_34, "Keyboard Variables", 27, BOX, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(EraseBlob_35, "Erase Blob", 28, HIDDEN, 0, {{letter('A'), -1}}, {}, 127)
VELMORA_DEFINE_ACTIVE_TYPE(ScreenFader_36, "Screen Fader", 29, FIXED | BOX, 1, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(FrameVariables_37, "Frame Variables", 30, BOX, 1,
                           {{letter('B'), 6}, {letter('C'), 6}, {letter('D'), 22}}, {})
VELMORA_DEFINE_ACTIVE_TYPE(OptionsMenuSelector_39, "Options Menu Selector", 32, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(HoldEnterToEraseLabel_49, "Hold Enter to Erase Label", 41, HIDDEN, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(QualityLabel_50, "Quality Label", 42, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(FullscreenLabel_51, "Fullscreen Label", 43, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Slot1Label_52, "Slot 1 Label", 44, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Slot2Label_53, "Slot 2 Label", 45, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(Slot3Label_54, "Slot 3 Label", 46, 0, 0, {}, {})
VELMORA_DEFINE_ACTIVE_TYPE(RestartTheGameForWindowModeToUpdate_55, "Restart the game for Window Mode to update", 47,
                           HIDDEN, 0, {}, {})
// The links open pages of the documentation shipped in the game directory.
VELMORA_DEFINE_ACTIVE_TYPE(VelmoraLink_56, "Velmora Link", 48, ADDITIVE, 0, {}, {{0, "Data/About.html#velmora"}})
VELMORA_DEFINE_ACTIVE_TYPE(OstrelBandcampLink_57, "Ostrel Bandcamp Link", 49, ADDITIVE, 0, {},
                           {{0, "Data/About.html#music"}})
VELMORA_DEFINE_ACTIVE_TYPE(OstrelLink_58, "Ostrel Link", 50, ADDITIVE, 0, {}, {{0, "Data/About.html#composer"}})
VELMORA_DEFINE_ACTIVE_TYPE(TarrowinLink_64, "Tarrowin Link", 55, ADDITIVE, 0, {}, {{0, "Data/About.html#maker"}})
VELMORA_DEFINE_ACTIVE_TYPE(GreenlightLink_65, "Greenlight Link", 56, ADDITIVE, 0, {},
                           {{0, "Data/About.html#community"}})
