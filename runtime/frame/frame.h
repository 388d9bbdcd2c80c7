#pragma once

#include "frame/frame_object.h"
#include "frame/globals.h"
#include "frame/layer.h"
#include "image/color.h"
#include "platform/keys.h"

#include <map>
#include <string>
#include <vector>

class GameManager;
class Media;

// One scene of the game. Game frames override on_start (layers and initial
// objects) and handle_events (the event routine, run once per tick) and add
// their event-group switches, markers and fast loops.
class Frame {
public:
    std::string name;
    int width, height;
    int index;
    GameManager* manager;
    ObjectList instances;
    ObjectList destroyed_instances;
    std::vector<Layer*> layers;
    std::map<int, ObjectList> instance_lists;
    std::map<std::string, int> loop_indexes;
    std::map<std::string, bool> loop_running;
    Color background_color;
    Globals<double>* values;
    Globals<std::string>* strings;
    Media* media;
    bool quit;
    int off_x, off_y;
    int last_key;
    bool key_presses[KEY_COUNT];
    bool mouse_presses[MOUSE_BUTTON_COUNT];
    int next_frame;
    unsigned int tick;
    double timer;
    int run_count;

    Frame(const std::string& name, int width, int height, Color background_color, int index, GameManager* manager);
    virtual void on_start();
    virtual void handle_events();

    void on_end();
    bool update(float dt);
    void draw();
    void restart();
    void on_key(int key, int action);
    void on_mouse(int button, int action);
    bool is_key_pressed_once(int key);
    bool is_mouse_pressed_once(int button);

    void add_layer(double scroll_x, double scroll_y, bool visible);
    void add_object(FrameObject* obj, int layer);
    ObjectList create_object(FrameObject* obj, int layer);
    void add_background_object(FrameObject* obj, int layer);
    void destroy_object(FrameObject* obj);
    ObjectList& get_instances(int type_id);
    ObjectList get_instances(const unsigned int* type_ids);
    FrameObject* get_instance(int type_id);
    void set_object_layer(FrameObject* obj, int layer);

    int get_loop_index(const std::string& loop);
    void stop_loop(const std::string& loop);
    // Runs a fast loop `times` times in a row (without a bound for a negative
    // count) until its body stops it. Each loop name keeps its own index.
    template <typename Body> void run_loop(const std::string& loop, int times, Body body)
    {
        bool& running = loop_running[loop];
        int& index_ref = loop_indexes[loop];
        running = true;
        index_ref = 0;
        while (times < 0 || index_ref < times) {
            body();
            if (!running)
                break;
            index_ref++;
        }
    }

    void set_timer(double t);
    void set_display_center(int x, int y);
    int frame_right();
    int frame_bottom();
    void set_background_color(int packed);
    void get_mouse_pos(int* x, int* y);

protected:
    ~Frame() = default;
};
