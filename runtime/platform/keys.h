#pragma once

// Key codes and actions as the game's event code uses them. The numbering is
// the window library's classic one (printable keys are their upper-case
// character codes, special keys start at 256); the platform layer translates
// whatever the real window system reports into these.
enum : int {
    KEY_UNKNOWN = -1,
    KEY_SPACE = 32,
    KEY_SPECIAL = 256,
    KEY_ESC = 257,
    KEY_F1 = 258,
    KEY_F9 = 266,
    KEY_F25 = 282,
    KEY_UP = 283,
    KEY_DOWN = 284,
    KEY_LEFT = 285,
    KEY_RIGHT = 286,
    KEY_LSHIFT = 287,
    KEY_RSHIFT = 288,
    KEY_LCTRL = 289,
    KEY_RCTRL = 290,
    KEY_LALT = 291,
    KEY_RALT = 292,
    KEY_TAB = 293,
    KEY_ENTER = 294,
    KEY_BACKSPACE = 295,
    KEY_INSERT = 296,
    KEY_DEL = 297,
    KEY_PAGEUP = 298,
    KEY_PAGEDOWN = 299,
    KEY_HOME = 300,
    KEY_END = 301,
    KEY_KP_0 = 302,
    KEY_KP_DIVIDE = 312,
    KEY_KP_MULTIPLY = 313,
    KEY_KP_SUBTRACT = 314,
    KEY_KP_ADD = 315,
    KEY_KP_DECIMAL = 316,
    KEY_KP_EQUAL = 317,
    KEY_KP_ENTER = 318,
    KEY_KP_NUM_LOCK = 319,
    KEY_CAPS_LOCK = 320,
    KEY_SCROLL_LOCK = 321,
    KEY_PAUSE = 322,
    KEY_LSUPER = 323,
    KEY_RSUPER = 324,
    KEY_MENU = 325,
    KEY_LAST = KEY_MENU,
    KEY_COUNT = KEY_LAST + 1
};

enum : int { MOUSE_BUTTON_LEFT = 0, MOUSE_BUTTON_RIGHT = 1, MOUSE_BUTTON_MIDDLE = 2, MOUSE_BUTTON_COUNT = 8 };

enum : int { ACTION_RELEASE = 0, ACTION_PRESS = 1 };
