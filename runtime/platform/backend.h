#pragma once

// The window, input and clock seam. The game runs on the GLFW backend; tests
// install the headless backend, in which the test presses keys, moves the
// mouse and owns the clock. Everything above this layer sees only these calls
// and the key codes of keys.h.

namespace platform {

using KeyCallback = void (*)(int key, int action);
using MouseCallback = void (*)(int button, int action);

class Backend {
public:
    virtual ~Backend() = default;
    virtual void init() = 0;
    virtual double get_time() = 0;
    virtual void sleep(double seconds) = 0;
    // Opens the window and makes its OpenGL context current. Returns false
    // when no window could be opened.
    virtual bool open_window(bool fullscreen, int width, int height, const char* title) = 0;
    // True while a window exists that the user has not closed.
    virtual bool is_window_open() = 0;
    // True when an OpenGL context is current and drawing may happen.
    virtual bool has_gl() = 0;
    virtual void poll_events() = 0;
    virtual void get_mouse_pos(int* x, int* y) = 0;
    virtual void get_window_size(int* width, int* height) = 0;
    virtual void swap_buffers() = 0;
    virtual bool is_key_down(int key) = 0;
    virtual bool is_mouse_down(int button) = 0;
};

// The backend in use; the GLFW one unless a test installed another.
Backend& backend();
// Installs a backend (not owned); null goes back to the GLFW backend.
void set_backend(Backend* backend);
// Where key and mouse-button presses go while events are polled.
void set_input_callbacks(KeyCallback on_key, MouseCallback on_mouse);
KeyCallback key_callback();
MouseCallback mouse_callback();

} // namespace platform
