// The real window system: GLFW 3. This is the only file that includes GLFW.
#include "platform/backend.h"
#include "platform/keys.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cmath>
#include <ctime>
#include <iostream>

namespace platform {
namespace {

struct KeyPair {
    int glfw;
    int game;
};

// Special keys; printable keys keep their character codes in both schemes.
const KeyPair special_keys[] = {
    {GLFW_KEY_ESCAPE, KEY_ESC},
    {GLFW_KEY_ENTER, KEY_ENTER},
    {GLFW_KEY_TAB, KEY_TAB},
    {GLFW_KEY_BACKSPACE, KEY_BACKSPACE},
    {GLFW_KEY_INSERT, KEY_INSERT},
    {GLFW_KEY_DELETE, KEY_DEL},
    {GLFW_KEY_RIGHT, KEY_RIGHT},
    {GLFW_KEY_LEFT, KEY_LEFT},
    {GLFW_KEY_DOWN, KEY_DOWN},
    {GLFW_KEY_UP, KEY_UP},
    {GLFW_KEY_PAGE_UP, KEY_PAGEUP},
    {GLFW_KEY_PAGE_DOWN, KEY_PAGEDOWN},
    {GLFW_KEY_HOME, KEY_HOME},
    {GLFW_KEY_END, KEY_END},
    {GLFW_KEY_CAPS_LOCK, KEY_CAPS_LOCK},
    {GLFW_KEY_SCROLL_LOCK, KEY_SCROLL_LOCK},
    {GLFW_KEY_NUM_LOCK, KEY_KP_NUM_LOCK},
    {GLFW_KEY_PAUSE, KEY_PAUSE},
    {GLFW_KEY_KP_DECIMAL, KEY_KP_DECIMAL},
    {GLFW_KEY_KP_DIVIDE, KEY_KP_DIVIDE},
    {GLFW_KEY_KP_MULTIPLY, KEY_KP_MULTIPLY},
    {GLFW_KEY_KP_SUBTRACT, KEY_KP_SUBTRACT},
    {GLFW_KEY_KP_ADD, KEY_KP_ADD},
    {GLFW_KEY_KP_ENTER, KEY_KP_ENTER},
    {GLFW_KEY_KP_EQUAL, KEY_KP_EQUAL},
    {GLFW_KEY_LEFT_SHIFT, KEY_LSHIFT},
    {GLFW_KEY_LEFT_CONTROL, KEY_LCTRL},
    {GLFW_KEY_LEFT_ALT, KEY_LALT},
    {GLFW_KEY_LEFT_SUPER, KEY_LSUPER},
    {GLFW_KEY_RIGHT_SHIFT, KEY_RSHIFT},
    {GLFW_KEY_RIGHT_CONTROL, KEY_RCTRL},
    {GLFW_KEY_RIGHT_ALT, KEY_RALT},
    {GLFW_KEY_RIGHT_SUPER, KEY_RSUPER},
    {GLFW_KEY_MENU, KEY_MENU},
};

int to_game_key(int glfw_key)
{
    if (glfw_key >= GLFW_KEY_SPACE && glfw_key <= GLFW_KEY_GRAVE_ACCENT)
        return glfw_key;
    if (glfw_key >= GLFW_KEY_F1 && glfw_key <= GLFW_KEY_F25)
        return KEY_F1 + (glfw_key - GLFW_KEY_F1);
    if (glfw_key >= GLFW_KEY_KP_0 && glfw_key <= GLFW_KEY_KP_9)
        return KEY_KP_0 + (glfw_key - GLFW_KEY_KP_0);
    for (const KeyPair& pair : special_keys)
        if (pair.glfw == glfw_key)
            return pair.game;
    return KEY_UNKNOWN;
}

int to_glfw_key(int game_key)
{
    if (game_key >= GLFW_KEY_SPACE && game_key <= GLFW_KEY_GRAVE_ACCENT)
        return game_key;
    if (game_key >= KEY_F1 && game_key <= KEY_F25)
        return GLFW_KEY_F1 + (game_key - KEY_F1);
    if (game_key >= KEY_KP_0 && game_key < KEY_KP_0 + 10)
        return GLFW_KEY_KP_0 + (game_key - KEY_KP_0);
    for (const KeyPair& pair : special_keys)
        if (pair.game == game_key)
            return pair.glfw;
    return GLFW_KEY_UNKNOWN;
}

void on_glfw_key(GLFWwindow*, int key, int, int action, int)
{
    // Held keys do not repeat for the game: only presses and releases count.
    if (action == GLFW_REPEAT)
        return;
    int game_key = to_game_key(key);
    if (game_key == KEY_UNKNOWN || !key_callback())
        return;
    key_callback()(game_key, action == GLFW_PRESS ? ACTION_PRESS : ACTION_RELEASE);
}

void on_glfw_mouse(GLFWwindow*, int button, int action, int)
{
    if (button >= MOUSE_BUTTON_COUNT || !mouse_callback())
        return;
    mouse_callback()(button, action == GLFW_PRESS ? ACTION_PRESS : ACTION_RELEASE);
}

void on_glfw_error(int, const char* description) { std::cout << "Window system: " << description << std::endl; }

class GlfwBackend : public Backend {
public:
    void init() override
    {
        if (initialized)
            return;
        glfwSetErrorCallback(on_glfw_error);
        // A display that is still starting (or briefly refusing clients)
        // gets a few more chances before the game gives up on a window.
        for (int attempt = 0; attempt < 5 && !initialized; ++attempt) {
            if (attempt > 0)
                sleep(0.2);
            initialized = glfwInit() == GLFW_TRUE;
        }
        if (!initialized)
            std::cout << "Could not initialise the window system" << std::endl;
    }

    double get_time() override
    {
        if (initialized)
            return glfwGetTime();
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        return now.tv_sec + now.tv_nsec / 1e9;
    }

    void sleep(double seconds) override
    {
        if (seconds <= 0.0)
            return;
        timespec wait;
        wait.tv_sec = static_cast<time_t>(seconds);
        wait.tv_nsec = static_cast<long>((seconds - wait.tv_sec) * 1e9);
        nanosleep(&wait, nullptr);
    }

    bool open_window(bool fullscreen, int width, int height, const char* title) override
    {
        if (!initialized || window)
            return window != nullptr;
        glfwWindowHint(GLFW_SAMPLES, 0);
        glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
        glfwWindowHint(GLFW_ALPHA_BITS, 0);
        glfwWindowHint(GLFW_DEPTH_BITS, 0);
        glfwWindowHint(GLFW_STENCIL_BITS, 0);
        GLFWmonitor* monitor = nullptr;
        if (fullscreen) {
            monitor = glfwGetPrimaryMonitor();
            const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
            if (mode) {
                glfwWindowHint(GLFW_RED_BITS, mode->redBits);
                glfwWindowHint(GLFW_GREEN_BITS, mode->greenBits);
                glfwWindowHint(GLFW_BLUE_BITS, mode->blueBits);
                glfwWindowHint(GLFW_REFRESH_RATE, mode->refreshRate);
                width = mode->width;
                height = mode->height;
            } else {
                monitor = nullptr;
            }
        }
        window = glfwCreateWindow(width, height, title, monitor, nullptr);
        if (!window) {
            std::cout << "Could not open the window" << std::endl;
            return false;
        }
        glfwMakeContextCurrent(window);
        glfwSwapInterval(0);
        glfwSetKeyCallback(window, on_glfw_key);
        glfwSetMouseButtonCallback(window, on_glfw_mouse);
        return true;
    }

    bool is_window_open() override { return window && !glfwWindowShouldClose(window); }
    bool has_gl() override { return window != nullptr; }

    void poll_events() override
    {
        if (initialized)
            glfwPollEvents();
    }

    void get_mouse_pos(int* x, int* y) override
    {
        double mx = 0.0, my = 0.0;
        if (window)
            glfwGetCursorPos(window, &mx, &my);
        *x = static_cast<int>(std::floor(mx));
        *y = static_cast<int>(std::floor(my));
    }

    void get_window_size(int* width, int* height) override
    {
        *width = *height = 0;
        if (window)
            glfwGetFramebufferSize(window, width, height);
    }

    void swap_buffers() override
    {
        if (window)
            glfwSwapBuffers(window);
    }

    bool is_key_down(int key) override
    {
        int glfw_key = to_glfw_key(key);
        return window && glfw_key != GLFW_KEY_UNKNOWN && glfwGetKey(window, glfw_key) == GLFW_PRESS;
    }

    bool is_mouse_down(int button) override
    {
        return window && button < MOUSE_BUTTON_COUNT && glfwGetMouseButton(window, button) == GLFW_PRESS;
    }

private:
    bool initialized = false;
    GLFWwindow* window = nullptr;
};

GlfwBackend glfw_backend;
Backend* current = &glfw_backend;
KeyCallback key_sink = nullptr;
MouseCallback mouse_sink = nullptr;

} // namespace

Backend& backend() { return *current; }
void set_backend(Backend* b) { current = b ? b : &glfw_backend; }

void set_input_callbacks(KeyCallback on_key, MouseCallback on_mouse)
{
    key_sink = on_key;
    mouse_sink = on_mouse;
}

KeyCallback key_callback() { return key_sink; }
MouseCallback mouse_callback() { return mouse_sink; }

} // namespace platform
