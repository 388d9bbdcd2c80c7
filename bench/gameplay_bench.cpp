// Building the densest screen of the test world: the terrain loops, the
// objects they create and the first rebuild of the pasted backgrounds (the
// texture upload needs a display and is left out here).
#include "headless_game.h"

#include "frame/background.h"
#include "frames/globals.h"
#include "gameplay/frame5.h"
#include "ini/ini.h"
#include "objects/ini_types.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const std::string source_file = __FILE__;
const std::string fixture_world = source_file.substr(0, source_file.rfind("/bench/")) + "/tests/worlds/Fixture";

// The level document is shared before the game starts, as the main menu
// would leave it.
void share_fixture_level()
{
    INI::reset_global_data();
    LevelIni_22 level(0, 0);
    level.load_file(fixture_world + "/World.ini", false, false, false);
    level.merge_file(fixture_world + "/" + level.get_string_index("Level Data", 0), false);
}

class ScreenBuild {
public:
    ScreenBuild()
    {
        share_fixture_level();
        game = std::make_unique<HeadlessGame>();
        game->manager->strings->set(world_path, fixture_world);
        game->manager->values->set(slot_number, 0);
        game->manager->set_frame(4);
        game->tick();
        game->tick();
    }

    Frame5& frame() { return *static_cast<Frame5*>(game->manager->frame); }

    // Leaves for the screen: the tick of the teardown.
    void leave_for(int x, int y)
    {
        frame().values->set(map_x, x);
        frame().values->set(map_y, y);
        frame().group_map_change = true;
        frame().group_player = false;
        game->tick();
    }

    // The tick that builds it, and the rebuild of both backgrounds.
    void build()
    {
        game->tick();
        frame().layers[4]->back->update();
        frame().layers[5]->back->update();
    }

    std::unique_ptr<HeadlessGame> game;
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
