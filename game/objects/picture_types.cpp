#include "objects/picture_types.h"

#define VELMORA_PICTURE_TYPE(Class, display_name, type_id)                                                             \
    Class::Class(int x, int y) : ActivePicture(display_name, x, y, type_id)                                            \
    {                                                                                                                  \
        set_transparent_color(Color(0, 0, 0, 255));                                                                    \
    }

VELMORA_PICTURE_TYPE(ItemInformation_103, "Item Information", 94)
VELMORA_PICTURE_TYPE(ItemImage_121, "Item Image", 112)
VELMORA_PICTURE_TYPE(ItemInLevel_122, "Item in level", 113)
VELMORA_PICTURE_TYPE(Credits_147, "Credits", 136)

ItemInformationDistortion_124::ItemInformationDistortion_124(int x, int y)
    : ActivePicture("Item Information Distortion", x, y, 115)
{
    set_visible(false);
    alterable_values->set(0, -44);
    alterable_values->set(1, 2);
    set_transparent_color(Color(0, 0, 0, 255));
}

LayerObject_90::LayerObject_90(int x, int y) : LayerObject("Layer object", x, y, 81) {}

Tokenizer_72::Tokenizer_72(int x, int y) : StringTokenizer("Tokenizer", x, y, 63) {}
