#pragma once

#include "frame/frame.h"
#include "gameplay/frame5.h"
#include "support/scenario.h"
#include "support/temp_dir.h"

#include <memory>
#include <string>

// The gameplay frame on a world under tests/worlds, entered the way the main
// menu hands over: the world's level and rule documents in the shared store,
// the world, save folder and slot in the globals. Runs from the built game
// directory (its pictures are needed for the obstacle masks) with HOME in a
// temporary folder.
class GameplayWorld {
public:
    explicit GameplayWorld(int slot = 1, const std::string& world = "Fixture", int quality = 0);
    ~GameplayWorld();

    // Starts the gameplay frame (on_start); the next pass is its first tick.
    void enter();
    // Replaces a screen's group of the shared level document; for cases that
    // need a map of their own. Call before enter().
    void set_screen(const std::string& group, const std::string& rows_and_keys);

    Scenario& game() { return *scenario; }
    Frame5& frame();
    std::string world_dir;
    TempDir user;
    // Where the slot files go; a folder of `user` unless changed before enter().
    std::string save_folder;
    std::string slot_file(int slot) const;

private:
    std::string old_home;
    std::unique_ptr<ScopedWorkingDirectory> cwd;
    std::unique_ptr<Scenario> scenario;
    int slot;
    int quality_setting;
};
