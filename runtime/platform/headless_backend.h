#pragma once

#include "platform/backend.h"
#include "platform/keys.h"

#include <vector>

namespace platform {

// A window system without a display, for tests. The test owns the clock
// (sleeping advances it, nothing else does unless the test says so), queues
// key and mouse events that are delivered at the next poll, and reads the
// held state like the game does. Opening the window succeeds but gives no
// OpenGL context, so nothing is drawn.
class HeadlessBackend : public Backend {
public:
    void init() override {}
    double get_time() override { return clock; }
    void sleep(double seconds) override;
    bool open_window(bool fullscreen, int width, int height, const char* title) override;
    bool is_window_open() override { return window_open; }
    bool has_gl() override { return false; }
    void poll_events() override;
    void get_mouse_pos(int* x, int* y) override;
    void get_window_size(int* width, int* height) override;
    void swap_buffers() override {}
    bool is_key_down(int key) override;
    bool is_mouse_down(int button) override;

    // Test controls; events take effect at the next poll.
    void press_key(int key) { queue.push_back({true, key, ACTION_PRESS}); }
    void release_key(int key) { queue.push_back({true, key, ACTION_RELEASE}); }
    void press_mouse(int button) { queue.push_back({false, button, ACTION_PRESS}); }
    void release_mouse(int button) { queue.push_back({false, button, ACTION_RELEASE}); }
    void move_mouse(int x, int y);
    void advance_time(double seconds) { clock += seconds; }
    void close_window() { window_open = false; }
    void set_window_size(int width, int height);

    bool window_was_opened() const { return opened; }
    bool window_fullscreen() const { return fullscreen_requested; }

private:
    struct Event {
        bool keyboard;
        int code;
        int action;
    };
    double clock = 0.0;
    bool window_open = false;
    bool opened = false;
    bool fullscreen_requested = false;
    int window_width = 0;
    int window_height = 0;
    int mouse_x = 0;
    int mouse_y = 0;
    bool keys_down[KEY_COUNT] = {};
    bool buttons_down[MOUSE_BUTTON_COUNT] = {};
    std::vector<Event> queue;
};

} // namespace platform
