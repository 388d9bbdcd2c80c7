#pragma once

#include "objects/active_picture.h"
#include "objects/layer_object.h"
#include "objects/string_tokenizer.h"

// Pictures loaded from files at run time, drawn with black as transparent.
#define VELMORA_PICTURE_TYPE(Class)                                                                                    \
    class Class : public ActivePicture {                                                                               \
    public:                                                                                                            \
        Class(int x, int y);                                                                                           \
    };

VELMORA_PICTURE_TYPE(ItemInformation_103)
VELMORA_PICTURE_TYPE(ItemImage_121)
VELMORA_PICTURE_TYPE(ItemInLevel_122)
VELMORA_PICTURE_TYPE(ItemInformationDistortion_124)
VELMORA_PICTURE_TYPE(Credits_147)

#undef VELMORA_PICTURE_TYPE

class LayerObject_90 : public LayerObject {
public:
    LayerObject_90(int x, int y);
};

class Tokenizer_72 : public StringTokenizer {
public:
    Tokenizer_72(int x, int y);
};
