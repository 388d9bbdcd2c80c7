// Building the densest screen of the test world: the terrain loops, the
// objects they create and the first rebuild of the pasted backgrounds (the
// texture upload needs a display and is left out here).
#include "frame/background.h"
#include "frames/frames.h"
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "image/image.h"
#include "ini/ini.h"
#include "manager/game_manager.h"
#include "objects/ini_types.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unistd.h>

namespace {

const std::string source_file = __FILE__;
const std::string fixture_world = source_file.substr(0, source_file.rfind("/bench/")) + "/tests/worlds/Fixture";

class ScreenBuild {
public:
    ScreenBuild()
    {
        if (chdir(VELMORA_GAME_DIR) != 0)
            return;
        platform::set_backend(&headless);
        INI::reset_global_data();
        {
            LevelIni_22 level(0, 0);
            level.load_file(fixture_world + "/World.ini", false, false, false);
            level.merge_file(fixture_world + "/" + level.get_string_index("Level Data", 0), false);
        }
        manager = std::make_unique<GameManager>(velmora_game());
        global_manager = manager.get();
        manager->set_window(false);
        set_image_path("./World/Sprites.dat");
        manager->strings->set(world_path, fixture_world);
        manager->values->set(slot_number, 0);
        manager->set_frame(4);
        tick();
        tick();
    }

    ~ScreenBuild()
    {
        manager->frame->on_end();
        manager->close_media();
        global_manager = nullptr;
        manager.reset();
        platform::set_input_callbacks(nullptr, nullptr);
        platform::set_backend(nullptr);
    }

    Frame5& frame() { return *static_cast<Frame5*>(manager->frame); }

    // Leaves for the screen: the tick of the teardown.
    void leave_for(int x, int y)
    {
        frame().values->set(map_x, x);
        frame().values->set(map_y, y);
        frame().group_map_change = true;
        frame().group_player = false;
        tick();
    }

    // The tick that builds it, and the rebuild of both backgrounds.
    void build()
    {
        tick();
        frame().layers[4]->back->update();
        frame().layers[5]->back->update();
    }

    void tick()
    {
        headless.poll_events();
        manager->update();
    }

    platform::HeadlessBackend headless;
    std::unique_ptr<GameManager> manager;
};

void BM_BuildDensestScreen(benchmark::State& state)
{
    ScreenBuild screens;
    for (auto _ : state) {
        state.PauseTiming();
        screens.leave_for(1, 1);
        state.ResumeTiming();
        screens.build();
    }
    state.counters["objects"] = static_cast<double>(screens.frame().instances.size());
}
BENCHMARK(BM_BuildDensestScreen)->Unit(benchmark::kMillisecond);

} // namespace
