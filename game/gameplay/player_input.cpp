// The keyboard group: the keys of this tick as the input record that the
// movement and the item interface read.
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "platform/platform.h"

#include <algorithm>

namespace {
// The first repeat of a held menu key comes 19 ticks after the press, the
// next ones every 5 ticks.
const int first_repeat_delay = 20;
const int repeat_delay = 5;
} // namespace

void Frame5::handle_keyboard_group()
{
    AlterableValues* input = get_instance(type_id::KeyboardVariables_83)->alterable_values;
    for (int i = horizontal_held; i <= menu_step; ++i)
        input->set(i, 0);
    if (input->get(input_enabled, 0) != 1)
        return;

    // Right after Left, so that both held move right; Down after Up likewise.
    if (is_key_pressed(KEY_LEFT))
        input->set(horizontal_held, -1);
    if (is_key_pressed(KEY_RIGHT))
        input->set(horizontal_held, 1);
    if (is_key_pressed(KEY_UP))
        input->set(vertical_held, -1);
    if (is_key_pressed(KEY_DOWN))
        input->set(vertical_held, 1);

    if (is_key_pressed('S')) {
        input->set(s_held, 1);
        input->set(interface_s_held, 1);
    }
    if (is_key_pressed('A')) {
        input->set(a_held, 1);
        input->set(interface_a_held, 1);
    }
    if (is_key_pressed(KEY_SPACE) || is_key_pressed('D'))
        input->set(use_held, 1);

    if (is_key_pressed_once(KEY_LEFT))
        input->set(horizontal_pressed, -1);
    if (is_key_pressed_once(KEY_RIGHT))
        input->set(horizontal_pressed, 1);
    if (is_key_pressed_once(KEY_UP))
        input->set(vertical_pressed, -1);
    if (is_key_pressed_once(KEY_DOWN))
        input->set(vertical_pressed, 1);
    if (is_key_pressed_once('S')) {
        input->set(s_pressed, 1);
        input->set(interface_s_pressed, 1);
    }
    if (is_key_pressed_once('A')) {
        input->set(a_pressed, 1);
        input->set(interface_a_pressed, 1);
    }
    if (is_key_pressed_once(KEY_SPACE) || is_key_pressed_once('D'))
        input->set(use_pressed, 1);

    // Menu step with key repeat.
    if (is_key_pressed_once(KEY_UP)) {
        input->set(menu_step, -1);
        input->set(menu_repeat, first_repeat_delay);
    }
    if (is_key_pressed_once(KEY_DOWN)) {
        input->set(menu_step, 1);
        input->set(menu_repeat, first_repeat_delay);
    }
    bool up = is_key_pressed(KEY_UP);
    bool down = is_key_pressed(KEY_DOWN);
    if (up || down)
        input->set(menu_repeat, std::max(input->get(menu_repeat, 0) - 1, 0.0));
    if (up && input->get(menu_repeat, 0) == 0) {
        input->set(menu_step, -1);
        input->set(menu_repeat, repeat_delay);
    } else if (down && input->get(menu_repeat, 0) == 0) {
        input->set(menu_step, 1);
        input->set(menu_repeat, repeat_delay);
    }
}
