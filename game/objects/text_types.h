#pragma once

#include "objects/text.h"

#define VELMORA_TEXT_TYPE(Class)                                                                                       \
    class Class : public Text {                                                                                        \
    public:                                                                                                            \
        Class(int x, int y);                                                                                           \
    };

VELMORA_TEXT_TYPE(BrindleSettings_12)
VELMORA_TEXT_TYPE(PlayerItems_86)
VELMORA_TEXT_TYPE(ContainerItems_87)
VELMORA_TEXT_TYPE(TextObject_113)
VELMORA_TEXT_TYPE(ItemUsageInfo_136)
VELMORA_TEXT_TYPE(SpeechBubbleText_137)
VELMORA_TEXT_TYPE(BlockedTransferExplanation_138)
VELMORA_TEXT_TYPE(Item_139)
VELMORA_TEXT_TYPE(ErrorMessage_146)

#undef VELMORA_TEXT_TYPE
