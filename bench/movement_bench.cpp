// One tick of play with the alchemist running to and fro over steps and a
// slope, headless: input record, abilities, land movement and the pixel
// stepping with its collision tests against the screen's obstacle mask.
#include "frames/frames.h"
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "image/image.h"
#include "ini/ini.h"
#include "manager/game_manager.h"
#include "objects/active.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unistd.h>

namespace {

INIDocument parse(const std::string& text)
{
    INI reader("reader", 0, 0, 0);
    reader.load_string(text, false);
    return reader.document;
}

// Rock below with a slope up onto a raised block and down again, and a
// ceiling overhead; the alchemist runs between x = 100 and x = 700 on row 11.
std::string screen()
{
    std::string level = "[0,0]\n";
    for (int r = 0; r < 16; ++r) {
        // The first character of a row is never read; '-' is an empty tile.
        std::string row = "-" + std::string(25, r >= 12 ? '#' : '-');
        if (r == 5)
            row.replace(5, 6, "######");
        if (r == 11)
            row.replace(13, 4, "/##\\");
        level += std::to_string(r) + "=" + row + "\n";
    }
    return level;
}

const char* abilities = "[General]\nX Ground Limit=640\nX Ground Acceleration=48\nX Air Limit=512\n"
                        "X Air Acceleration=32\nY Gravity=64\nY Fall Limit=2048\nY Jump Strength=1600\n"
                        "Ignore Down Slope Detection Threshold=700\nRun Effect X Threshold=400\nHang Power=1\n"
                        "Climb Power=1\nClimb Speed=256\n";

class Play {
public:
    Play()
    {
        if (chdir(VELMORA_GAME_DIR) != 0)
            return;
        platform::set_backend(&headless);
        INI::reset_global_data();
        INI::global_store()["Level"] = parse(screen());
        INI::global_store()["Abilities"] = parse(abilities);
        manager = std::make_unique<GameManager>(velmora_game());
        global_manager = manager.get();
        manager->set_window(false);
        set_image_path("./World/Sprites.dat");
        manager->set_frame(4);
        tick();
        alchemist()->set_position(116, 368);
        while (!static_cast<Frame5*>(manager->frame)->group_player)
            tick();
        headless.press_key(KEY_RIGHT);
    }

    ~Play()
    {
        manager->frame->on_end();
        manager->close_media();
        global_manager = nullptr;
        manager.reset();
        platform::set_input_callbacks(nullptr, nullptr);
        platform::set_backend(nullptr);
    }

    Active* alchemist() { return static_cast<Active*>(manager->frame->get_instance(type_id::TheAlchemist_82)); }

    // Turns at the ends of the run, then one tick.
    void step()
    {
        int x = alchemist()->x;
        if (x > 700 && !going_left) {
            headless.release_key(KEY_RIGHT);
            headless.press_key(KEY_LEFT);
            going_left = true;
            turns++;
        } else if (x < 100 && going_left) {
            headless.release_key(KEY_LEFT);
            headless.press_key(KEY_RIGHT);
            going_left = false;
            turns++;
        }
        tick();
    }

    void tick()
    {
        headless.poll_events();
        manager->update();
    }

    platform::HeadlessBackend headless;
    std::unique_ptr<GameManager> manager;
    bool going_left = false;
    // Ends of the run reached: shows that the alchemist got over the block.
    int turns = 0;
};

void BM_PlayTickAlchemistRunning(benchmark::State& state)
{
    Play play;
    for (auto _ : state)
        play.step();
    state.counters["turns"] = play.turns;
}
BENCHMARK(BM_PlayTickAlchemistRunning)->Unit(benchmark::kMicrosecond);

} // namespace
