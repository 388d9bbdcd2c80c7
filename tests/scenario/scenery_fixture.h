#pragma once

#include "gameplay_world.h"
#include "gameplay_world_helpers.h"
#include "objects/active.h"

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The gameplay frame on a screen of the test's own, after the tick that
// built it (the scenery has run once already). Row 11 is rock, so the
// alchemist (saved on row 10) stands instead of falling off the screen.
struct SceneryScreen {
    explicit SceneryScreen(std::map<int, std::string> rows, const std::string& keys = "") : world(0)
    {
        rows.emplace(11, "|" + std::string(25, '#'));
        world.set_screen("0,0", map_rows(rows, keys));
        world.enter();
        world.game().run(1);
    }

    std::vector<Active*> all(int type_id)
    {
        std::vector<Active*> out;
        for (FrameObject* object : live(world.frame(), type_id))
            out.push_back(static_cast<Active*>(object));
        return out;
    }

    void tick(int count = 1) { world.game().run(count); }

    GameplayWorld world;
};

// A map row of 25 open tiles with `tiles` from column `at` on.
inline std::string row_with(const std::string& tiles, int at = 5)
{
    std::string row(25, '-');
    row.replace(at, tiles.size(), tiles);
    return "|" + row;
}

// An angle in degrees as the signed turn from 0, in (-180, 180].
inline double signed_angle(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a > 180)
        a -= 360;
    if (a <= -180)
        a += 360;
    return a;
}

inline double value_of(FrameObject* object, int index) { return object->alterable_values->get(index, 0); }
