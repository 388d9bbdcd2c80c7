// One tick of play with the alchemist running to and fro over steps and a
// slope, headless: input record, abilities, land movement and the pixel
// stepping with its collision tests against the screen's obstacle mask.
#include "headless_game.h"

#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "objects/active.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

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
        INI::reset_global_data();
        INI::global_store()["Level"] = parse(screen());
        INI::global_store()["Abilities"] = parse(abilities);
        game = std::make_unique<HeadlessGame>();
        game->manager->set_frame(4);
        game->tick();
        alchemist()->set_position(116, 368);
        while (!static_cast<Frame5*>(game->manager->frame)->group_player)
            game->tick();
        game->headless.press_key(KEY_RIGHT);
    }

    Active* alchemist() { return static_cast<Active*>(game->manager->frame->get_instance(type_id::TheAlchemist_82)); }

    // Turns at the ends of the run, then one tick.
    void step()
    {
        int x = alchemist()->x;
        if (x > 700 && !going_left) {
            game->headless.release_key(KEY_RIGHT);
            game->headless.press_key(KEY_LEFT);
            going_left = true;
            turns++;
        } else if (x < 100 && going_left) {
            game->headless.release_key(KEY_LEFT);
            game->headless.press_key(KEY_RIGHT);
            going_left = false;
            turns++;
        }
        game->tick();
    }

    std::unique_ptr<HeadlessGame> game;
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
