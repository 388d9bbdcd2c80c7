#pragma once

#include "objects/backdrop.h"
#include "objects/quick_backdrop.h"

// Backdrops show the image-table entry named after their class.
#define VELMORA_BACKDROP_TYPE(Class)                                                                                   \
    class Class : public Backdrop {                                                                                    \
    public:                                                                                                            \
        Class(int x, int y);                                                                                           \
    };

VELMORA_BACKDROP_TYPE(TitleLine_18)
VELMORA_BACKDROP_TYPE(Title_19)
VELMORA_BACKDROP_TYPE(DocumentaryTitle_20)
VELMORA_BACKDROP_TYPE(SubLine_21)
VELMORA_BACKDROP_TYPE(VelmoraTitle_29)
VELMORA_BACKDROP_TYPE(MainMenu_31)
VELMORA_BACKDROP_TYPE(SlotMenu_32)
VELMORA_BACKDROP_TYPE(OptionsMenu_38)
VELMORA_BACKDROP_TYPE(TutorialLabel_41)
VELMORA_BACKDROP_TYPE(PlayLabel_42)
VELMORA_BACKDROP_TYPE(EraseLabel_43)
VELMORA_BACKDROP_TYPE(OptionsLabel_44)
VELMORA_BACKDROP_TYPE(FilmMusicLabel_45)
VELMORA_BACKDROP_TYPE(CreditsLabel_46)
VELMORA_BACKDROP_TYPE(ExitLabel_47)
VELMORA_BACKDROP_TYPE(BackLabel_48)
VELMORA_BACKDROP_TYPE(Alchemyinfo_60)
VELMORA_BACKDROP_TYPE(Ostrelinfo_61)
VELMORA_BACKDROP_TYPE(PressEnterToContinue_62)
VELMORA_BACKDROP_TYPE(Quilloninfo_63)

#undef VELMORA_BACKDROP_TYPE

#define VELMORA_QUICK_BACKDROP_TYPE(Class)                                                                             \
    class Class : public QuickBackdrop {                                                                               \
    public:                                                                                                            \
        Class(int x, int y);                                                                                           \
    };

VELMORA_QUICK_BACKDROP_TYPE(HorizontalBorder_134)
VELMORA_QUICK_BACKDROP_TYPE(VerticalBorder_135)

#undef VELMORA_QUICK_BACKDROP_TYPE
