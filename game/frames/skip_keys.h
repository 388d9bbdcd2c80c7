#pragma once

#include "frame/frame.h"
#include "platform/keys.h"

// The keys that skip the logos and the title.
inline bool skip_key_pressed(Frame& frame)
{
    return frame.is_key_pressed_once(KEY_ENTER) || frame.is_key_pressed_once(KEY_SPACE) ||
           frame.is_key_pressed_once(KEY_ESC);
}
