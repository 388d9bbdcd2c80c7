#include "platform/headless_backend.h"

namespace platform {

void HeadlessBackend::sleep(double seconds)
{
    if (seconds > 0.0)
        clock += seconds;
}

bool HeadlessBackend::open_window(bool fullscreen, int width, int height, const char*)
{
    if (!opened) {
        opened = true;
        window_open = true;
        fullscreen_requested = fullscreen;
        window_width = width;
        window_height = height;
    }
    return true;
}

void HeadlessBackend::poll_events()
{
    std::vector<Event> pending;
    pending.swap(queue);
    for (const Event& event : pending) {
        bool down = event.action == ACTION_PRESS;
        if (event.keyboard) {
            if (event.code >= 0 && event.code < KEY_COUNT)
                keys_down[event.code] = down;
            if (key_callback())
                key_callback()(event.code, event.action);
        } else {
            if (event.code >= 0 && event.code < MOUSE_BUTTON_COUNT)
                buttons_down[event.code] = down;
            if (mouse_callback())
                mouse_callback()(event.code, event.action);
        }
    }
}

void HeadlessBackend::get_mouse_pos(int* x, int* y)
{
    *x = mouse_x;
    *y = mouse_y;
}

void HeadlessBackend::move_mouse(int x, int y)
{
    mouse_x = x;
    mouse_y = y;
}

void HeadlessBackend::get_window_size(int* width, int* height)
{
    *width = window_open ? window_width : 0;
    *height = window_open ? window_height : 0;
}

void HeadlessBackend::set_window_size(int width, int height)
{
    window_width = width;
    window_height = height;
}

bool HeadlessBackend::is_key_down(int key) { return key >= 0 && key < KEY_COUNT && keys_down[key]; }

bool HeadlessBackend::is_mouse_down(int button)
{
    return button >= 0 && button < MOUSE_BUTTON_COUNT && buttons_down[button];
}

} // namespace platform
