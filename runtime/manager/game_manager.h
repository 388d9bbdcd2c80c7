#pragma once

#include "frame/frame.h"
#include "frame/globals.h"
#include "manager/fps_limiter.h"

#include <string>

class Media;

// What the game gives the engine: its frames and its global values.
struct GameDefinition {
    // Returns the table of eight frames, building them on the first call.
    Frame** (*get_frames)(GameManager* manager);
    void (*setup_globals)(Globals<double>* values, Globals<std::string>* strings);
};

// The application object: window, off-screen picture, frames, globals,
// sound and the main loop.
class GameManager {
public:
    Frame* frame;
    Globals<double>* values;
    Globals<std::string>* strings;
    Media* media;
    FPSLimiter fps_limit;
    bool window_created;
    bool fullscreen;
    unsigned int screen_texture;
    unsigned int screen_fbo;
    int off_x, off_y;
    int x_size, y_size;
    int mouse_x, mouse_y;

    explicit GameManager(const GameDefinition& game);
    ~GameManager();
    GameManager(const GameManager&) = delete;
    GameManager& operator=(const GameManager&) = delete;
    void reset_globals();
    void set_window(bool fullscreen);
    bool is_fullscreen();
    void set_frame(int index);
    int update();
    void draw();
    void run();
    // One pass of the main loop; false when the program is to end. `counter`
    // is the pass counter that decides which passes report their timings.
    bool run_pass(int& counter);
    void set_framerate(int rate);
    void on_key(int key, int action);
    void on_mouse(int button, int action);
    // Releases the sound manager; the main loop does this when it ends.
    void close_media();

private:
    GameDefinition game;
    void update_mouse();
};

extern GameManager* global_manager;

void _on_key(int key, int action);
void _on_mouse(int button, int action);

// The placement of the 800 x 512 picture in a window, aspect ratio kept.
void fit_picture(int window_width, int window_height, int* off_x, int* off_y, int* x_size, int* y_size);

bool check_opengl_extension(const char* name);
bool check_opengl_extensions();
