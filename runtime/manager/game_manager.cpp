#include "manager/game_manager.h"

#include "image/texture.h"
#include "media/media.h"
#include "platform/backend.h"
#include "platform/random.h"

#include <GL/glew.h>

#include <cstdlib>
#include <ctime>
#include <iostream>

GameManager* global_manager = nullptr;

void _on_key(int key, int action)
{
    if (global_manager)
        global_manager->on_key(key, action);
}

void _on_mouse(int button, int action)
{
    if (global_manager)
        global_manager->on_mouse(button, action);
}

GameManager::GameManager(const GameDefinition& game)
    : frame(nullptr), values(nullptr), strings(nullptr), media(nullptr), fps_limit(), window_created(false),
      fullscreen(false), screen_texture(0), screen_fbo(0), off_x(0), off_y(0), x_size(800), y_size(512), mouse_x(0),
      mouse_y(0), game(game)
{
    platform::backend().init();
    reset_globals();
    media = new Media();
    cross_srand(static_cast<unsigned int>(time(nullptr)));
    fps_limit.set(60);
    set_frame(0);
}

// The frames stay with the process; what the manager made goes with it.
GameManager::~GameManager()
{
    close_media();
    delete values;
    delete strings;
}

void GameManager::reset_globals()
{
    delete values;
    delete strings;
    values = new Globals<double>();
    strings = new Globals<std::string>();
    game.setup_globals(values, strings);
}

void GameManager::set_window(bool full)
{
    if (window_created)
        return;
    fullscreen = full;
    window_created = true;
    platform::set_input_callbacks(_on_key, _on_mouse);
    // Without a window there is nothing to play in; say so and fail rather
    // than end quietly as if the player had closed it.
    if (!platform::backend().open_window(full, 800, 512, "Velmora")) {
        std::cout << "Could not open the window. Quitting..." << std::endl;
        std::exit(1);
    }
    if (!platform::backend().has_gl())
        return;

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glewExperimental = GL_TRUE;
    glewInit();
    if (!check_opengl_extensions()) {
        std::cout << "Not all OpenGL extensions supported. Quitting..." << std::endl;
        std::exit(1);
    }

    screen_texture = create_texture(800, 512, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffersEXT(1, &screen_fbo);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, screen_fbo);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, screen_texture, 0);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
}

bool GameManager::is_fullscreen() { return fullscreen; }

void GameManager::set_frame(int index)
{
    if (frame)
        frame->on_end();
    if (index == -2) {
        reset_globals();
        index = 0;
    }
    frame = game.get_frames(this)[index];
    frame->values = values;
    frame->strings = strings;
    frame->media = media;
    frame->on_start();
}

int GameManager::update()
{
    bool keep_running = frame->update(static_cast<float>(fps_limit.dt));
    if (frame->next_frame != -1) {
        set_frame(frame->next_frame);
        return 2;
    }
    return keep_running ? 1 : 0;
}

void fit_picture(int width, int height, int* off_x, int* off_y, int* x_size, int* y_size)
{
    if (width == 800 && height == 512) {
        *off_x = *off_y = 0;
        *x_size = 800;
        *y_size = 512;
        return;
    }
    float sx = width / 800.0f;
    float sy = height / 512.0f;
    float s = sx > sy ? sy : sx;
    *x_size = static_cast<int>(800 * s);
    *y_size = static_cast<int>(512 * s);
    *off_x = (width - *x_size) / 2;
    *off_y = (height - *y_size) / 2;
}

void GameManager::draw()
{
    if (!window_created || !platform::backend().has_gl())
        return;
    int width, height;
    platform::backend().get_window_size(&width, &height);
    if (width < 1 || height < 1)
        return;

    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, screen_fbo);
    frame->draw();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);

    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    fit_picture(width, height, &off_x, &off_y, &x_size, &y_size);

    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, screen_texture);
    glColor4ub(255, 255, 255, 255);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(off_x, off_y);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(off_x + x_size, off_y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(off_x + x_size, off_y + y_size);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(off_x, off_y + y_size);
    glEnd();
    glEnable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void GameManager::update_mouse()
{
    int wx, wy;
    platform::backend().get_mouse_pos(&wx, &wy);
    mouse_x = static_cast<int>(800.0f / x_size * (wx - off_x));
    mouse_y = static_cast<int>(512.0f / y_size * (wy - off_y));
}

bool GameManager::run_pass(int& counter)
{
    platform::Backend& platform = platform::backend();
    bool report = --counter <= 0;
    if (report)
        counter = 200;
    fps_limit.start();
    platform.poll_events();
    update_mouse();
    if (report)
        std::cout << "Framerate: " << fps_limit.current_framerate << std::endl;

    double start = platform.get_time();
    int result = update();
    if (report)
        std::cout << "Event update took " << platform.get_time() - start << std::endl;
    if (result == 0)
        return false;
    if (result == 2)
        return true;
    if (!platform.is_window_open())
        return false;

    start = platform.get_time();
    draw();
    platform.swap_buffers();
    if (report)
        std::cout << "Draw took " << platform.get_time() - start << std::endl;
    fps_limit.finish();
    return true;
}

void GameManager::run()
{
    int counter = 0;
    while (run_pass(counter)) {
    }
    close_media();
}

void GameManager::close_media()
{
    delete media;
    media = nullptr;
    if (frame)
        frame->media = nullptr;
}

void GameManager::set_framerate(int rate) { fps_limit.framerate = rate; }

void GameManager::on_key(int key, int action) { frame->on_key(key, action); }

void GameManager::on_mouse(int button, int action) { frame->on_mouse(button, action); }

bool check_opengl_extension(const char* name)
{
    if (glewGetExtension(name))
        return true;
    std::cout << "OpenGL extension '" << name << "' not supported." << std::endl;
    return false;
}

bool check_opengl_extensions()
{
    const char* required[] = {"GL_EXT_framebuffer_object", "GL_ARB_vertex_shader", "GL_ARB_fragment_shader",
                              "GL_ARB_texture_non_power_of_two"};
    for (const char* name : required)
        if (!check_opengl_extension(name))
            return false;
    return true;
}
