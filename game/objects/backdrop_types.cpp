#include "objects/backdrop_types.h"

#include "objects/image_table.h"

#define VELMORA_BACKDROP_TYPE(Class, display_name, type_id)                                                            \
    Class::Class(int x, int y) : Backdrop(image_table().find(#Class), display_name, x, y, type_id) {}

VELMORA_BACKDROP_TYPE(TitleLine_18, "Title Line", 11)
VELMORA_BACKDROP_TYPE(Title_19, "Title", 12)
VELMORA_BACKDROP_TYPE(DocumentaryTitle_20, "Documentary Title", 13)
VELMORA_BACKDROP_TYPE(SubLine_21, "Sub Line", 14)
VELMORA_BACKDROP_TYPE(VelmoraTitle_29, "Velmora Title", 22)
VELMORA_BACKDROP_TYPE(MainMenu_31, "Main Menu", 24)
VELMORA_BACKDROP_TYPE(SlotMenu_32, "Slot Menu", 25)
VELMORA_BACKDROP_TYPE(OptionsMenu_38, "Options Menu", 31)
VELMORA_BACKDROP_TYPE(TutorialLabel_41, "Tutorial Label", 33)
VELMORA_BACKDROP_TYPE(PlayLabel_42, "Play Label", 34)
VELMORA_BACKDROP_TYPE(EraseLabel_43, "Erase Label", 35)
VELMORA_BACKDROP_TYPE(OptionsLabel_44, "Options Label", 36)
VELMORA_BACKDROP_TYPE(FilmMusicLabel_45, "Film & Music Label", 37)
VELMORA_BACKDROP_TYPE(CreditsLabel_46, "Credits Label", 38)
VELMORA_BACKDROP_TYPE(ExitLabel_47, "Exit Label", 39)
VELMORA_BACKDROP_TYPE(BackLabel_48, "Back Label", 40)
VELMORA_BACKDROP_TYPE(Alchemyinfo_60, "Alchemyinfo", 51)
VELMORA_BACKDROP_TYPE(Ostrelinfo_61, "Ostrelinfo", 52)
VELMORA_BACKDROP_TYPE(PressEnterToContinue_62, "Press Enter to continue", 53)
VELMORA_BACKDROP_TYPE(Quilloninfo_63, "Quilloninfo", 54)

HorizontalBorder_134::HorizontalBorder_134(int x, int y)
    : QuickBackdrop(Color(0, 0, 0, 255), 800, 1, "Horizontal Border", x, y, 125)
{
}

VerticalBorder_135::VerticalBorder_135(int x, int y)
    : QuickBackdrop(Color(0, 0, 0, 255), 1, 512, "Vertical Border", x, y, 126)
{
}
