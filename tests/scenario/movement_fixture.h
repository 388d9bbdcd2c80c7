#pragma once

#include "gameplay/frame5.h"
#include "gameplay_world.h"
#include "support/scenario.h"

#include <map>
#include <string>
#include <vector>

class Active;
class INI;

// The fixture world's gameplay frame with rule documents, an inventory and
// a start screen of the test's own: the documents replace the world's before
// the frame starts, the inventory and the alchemist's cell replace the
// default savegame's after the first tick, and the frame runs until control
// is with the player.
struct WorldData {
    std::string abilities;
    std::string power_conditions;
    std::string powers;
    // The "Player" group of the savegame, as INI lines.
    std::string inventory;
    // Rows 0 to 15 of screen 0,0, 25 tiles each; missing rows are empty.
    std::vector<std::string> rows;
    int cell_x = 5, cell_y = 5, direction = 0;
};

class GameplayTest {
public:
    explicit GameplayTest(const WorldData& world);

    Frame5& frame() { return world.frame(); }
    Scenario& scenario() { return world.game(); }
    Active& alchemist();
    double value(int index);
    INI& modified_abilities();

    void hold(int key);
    void release(int key);
    // One tick with the keys as they are now.
    void tick(int count = 1);
    // Pastes an obstacle rectangle into the alchemist's layer.
    void paste_obstacle(int x, int y, int width, int height);

private:
    GameplayWorld world;
};

// An INI text whose group "General" holds the given abilities.
std::string abilities_text(const std::map<std::string, double>& values);
// A map row of 25 tiles: empty, with `solid` from column `from`
// to column `to`.
std::string map_row(int from = 25, int to = 24, char solid = '#');
