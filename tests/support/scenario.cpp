#include "support/scenario.h"

Scenario::Scenario(const GameDefinition& game)
{
    platform::set_backend(&headless);
    game_manager = std::make_unique<GameManager>(game);
    global_manager = game_manager.get();
}

Scenario::~Scenario()
{
    // Frames outlive their manager (the game builds them once per process),
    // so leave the current one empty for the next scenario.
    game_manager->frame->on_end();
    game_manager->close_media();
    global_manager = nullptr;
    game_manager.reset();
    platform::set_input_callbacks(nullptr, nullptr);
    platform::set_backend(nullptr);
}

void Scenario::at(int at_pass, std::function<void()> action) { timeline.emplace(at_pass, std::move(action)); }

void Scenario::tap(int key, int at_pass, int hold)
{
    at(at_pass, [this, key] { headless.press_key(key); });
    at(at_pass + hold, [this, key] { headless.release_key(key); });
}

bool Scenario::run(int count)
{
    for (int i = 0; i < count && !finished; ++i) {
        auto range = timeline.equal_range(passes);
        for (auto it = range.first; it != range.second; ++it)
            it->second();
        timeline.erase(range.first, range.second);
        finished = !game_manager->run_pass(report_counter);
        passes++;
    }
    return !finished;
}

bool Scenario::run_until(const std::function<bool()>& done, int limit)
{
    for (int i = 0; i < limit && !finished; ++i) {
        if (done())
            return true;
        run(1);
    }
    return done();
}

FrameObject* Scenario::instance(int type_id)
{
    ObjectList& list = frame().get_instances(type_id);
    return list.empty() ? nullptr : list.front();
}

double Scenario::value(int type_id, int index)
{
    FrameObject* obj = instance(type_id);
    if (!obj || !obj->alterable_values)
        return 0.0;
    return obj->alterable_values->get(index, 0.0);
}
