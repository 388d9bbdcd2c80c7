#pragma once

#include "frame/frame.h"
#include "manager/game_manager.h"
#include "platform/headless_backend.h"

#include <functional>
#include <map>
#include <memory>

// A headless game for tests: the real GameManager, frames and events on the
// headless window system, with a timeline of inputs and a tick counter.
class Scenario {
public:
    explicit Scenario(const GameDefinition& game);
    ~Scenario();

    GameManager& manager() { return *game_manager; }
    platform::HeadlessBackend& input() { return headless; }
    Frame& frame() { return *game_manager->frame; }
    int pass() const { return passes; }
    bool ended() const { return finished; }

    // Runs `action` just before pass number `at_pass` polls its events
    // (passes count from 0).
    void at(int at_pass, std::function<void()> action);
    // Presses a key before pass `at_pass` and releases it before pass
    // `at_pass + hold`.
    void tap(int key, int at_pass, int hold = 1);
    // Runs up to `count` passes of the main loop; false once the program ended.
    bool run(int count);
    // Runs passes until `done` holds or `limit` passes went by.
    bool run_until(const std::function<bool()>& done, int limit);

    FrameObject* instance(int type_id);
    double value(int type_id, int index);

private:
    platform::HeadlessBackend headless;
    std::unique_ptr<GameManager> game_manager;
    std::multimap<int, std::function<void()>> timeline;
    int passes = 0;
    int report_counter = 0;
    bool finished = false;
};
