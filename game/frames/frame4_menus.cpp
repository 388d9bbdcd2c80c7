// The main menu, the save slot menu and the erase menu (which shares the
// slot screen and its selector).
#include "frames/frame4.h"
#include "frames/frame4_ids.h"
#include "frames/globals.h"
#include "ini/ini.h"
#include "media/media.h"
#include "objects/active.h"
#include "objects/qualifiers.h"
#include "platform/platform.h"

namespace {

enum MainEntry { entry_tutorial, entry_play, entry_erase, entry_options, entry_information, entry_credits, entry_exit };
const int slot_back = 3;

int cursor_of(FrameObject* selector) { return static_cast<int>(selector->alterable_values->get(selector_cursor, 0)); }

// The slot labels showing an existing save that the blob lies on.
ObjectList saved_slots_under(Frame& frame, FrameObject* blob)
{
    ObjectList labels;
    for (const int* id = qualifier_24; *id != 0; ++id)
        for (FrameObject* label : frame.get_instances(*id))
            if (static_cast<Active*>(label)->get_frame() == 1 && blob->overlaps(label))
                labels.push_back(label);
    return labels;
}

} // namespace

void Frame4::run_main_menu()
{
    Active* selector = active(id_main_selector);
    if (enter_main_menu) {
        enter_main_menu = false;
        enter_menu(256);
    }
    move_cursor(selector, entry_exit);

    if (key(key_confirm) == 1) {
        switch (cursor_of(selector)) {
        case entry_tutorial:
            values->set(slot_number, 0);
            strings->set(world_path, get_app_path() + ini(id_game_ini)->get_string("Tutorial World", ""));
            start_loading();
            request_sound("Select");
            break;
        case entry_play:
            switch_menu(group_main_menu, group_slot_menu, enter_slot_menu);
            request_sound("Select");
            break;
        case entry_erase:
            switch_menu(group_main_menu, group_erase_menu, enter_erase_menu);
            request_sound("Select");
            break;
        case entry_options:
            switch_menu(group_main_menu, group_options_menu, enter_options_menu);
            request_sound("Select");
            break;
        case entry_information:
            switch_menu(group_main_menu, group_information, enter_information);
            request_sound("Select");
            break;
        case entry_credits:
            values->set(credits_after_win, 0);
            request_sound("Select");
            next_frame = 7;
            break;
        case entry_exit:
            quit = true;
            break;
        }
    }
    if (key(key_escape) == 1)
        quit = true;
}

void Frame4::run_slot_menu()
{
    Active* selector = active(id_slot_selector);
    if (enter_slot_menu) {
        enter_slot_menu = false;
        enter_menu(768);
        reset_selector(selector);
    }
    move_cursor(selector, slot_back);

    int cursor = cursor_of(selector);
    if (key(key_confirm) == 1 && cursor < slot_back) {
        // A slot without a file starts a new game in it.
        values->set(slot_number, cursor + 1);
        start_loading();
        request_sound("Select");
    }
    if ((key(key_confirm) == 1 && cursor == slot_back) || key(key_escape) == 1)
        back_to_main_menu(group_slot_menu);
}

// A slot is erased by holding a confirm key on it for 70 ticks; letting go
// or moving the cursor cancels.
void Frame4::run_erase_menu()
{
    Active* selector = active(id_slot_selector);
    if (enter_erase_menu) {
        enter_erase_menu = false;
        enter_menu(768);
        reset_selector(selector);
    }
    move_cursor(selector, slot_back);

    Active* blob = active(id_erase_blob);
    AlterableValues* sound = get_instance(id_frame_variables)->alterable_values;
    FrameObject* hold_label = get_instance(id_hold_to_erase_label);
    int cursor = cursor_of(selector);
    blob->set_x(selector->x);

    if (key(key_confirm_held) == 0 || key(key_direction) != 0) {
        if (media)
            media->stop_channel(static_cast<int>(sound->get(erase_sound_channel, 0)) - 1);
        blob->set_visible(false);
        blob->alterable_values->set(erase_countdown, -1);
    }

    hold_label->set_visible(false);
    if (cursor < slot_back && !saved_slots_under(*this, blob).empty())
        hold_label->set_visible(true);

    if (key(key_confirm) == 1 && cursor < slot_back && !saved_slots_under(*this, blob).empty()) {
        blob->set_visible(true);
        blob->alterable_values->set(erase_countdown, 70);
        blob->animation_frame = 0;
        blob->counter = 0;
        blob->update_frame();
        sound->set(erase_sound_channel, sound->get(next_sound_channel, 0));
        request_sound("Erase");
    }

    double countdown = blob->alterable_values->get(erase_countdown, -1);
    if (countdown > 0)
        blob->alterable_values->set(erase_countdown, --countdown);

    if (countdown == 0) {
        ObjectList erased = saved_slots_under(*this, blob);
        if (!erased.empty()) {
            blob->set_visible(false);
            blob->alterable_values->set(erase_countdown, -1);
            File::delete_file(slot_file(cursor));
            for (FrameObject* label : erased)
                static_cast<Active*>(label)->force_frame(0);
            request_sound("Complete Erase");
        }
    }

    if ((key(key_confirm) == 1 && cursor == slot_back) || key(key_escape) == 1) {
        hold_label->set_visible(false);
        back_to_main_menu(group_erase_menu);
    }
}
