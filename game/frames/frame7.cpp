// The Error frame: shows why the world cannot be played; Enter restarts the
// whole game (fresh globals, straight to the main menu), Esc ends it.
#include "frames/frame7.h"
#include "frames/globals.h"
#include "objects/objects.h"

namespace {
const int error_message_id = 135;
// The engine's line break, as every text of the game writes it.
const char* const newline = "\r\n";
} // namespace

Frame7::Frame7(GameManager* manager) : Frame("Error", 800, 512, Color(255, 255, 255, 255), 6, manager) {}

void Frame7::on_start()
{
    add_layer(1, 1, true);
    add_object(new ErrorMessage_146(0, 0), 0);
}

void Frame7::handle_events()
{
    if (show_message.fire(*this)) {
        Text* message = static_cast<Text*>(get_instance(error_message_id));
        message->set_string(message->get_paragraph(0) + " " + strings->get(error_message) + newline + newline +
                            message->get_paragraph(1));
    }
    if (is_key_pressed_once(KEY_ENTER))
        restart();
    if (is_key_pressed_once(KEY_ESC))
        quit = true;
}
