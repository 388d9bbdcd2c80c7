#include "movement_fixture.h"

#include "gameplay/type_ids.h"
#include "image/image.h"
#include "ini/ini.h"
#include "objects/active.h"

#include <algorithm>
#include <sstream>

namespace {
INIDocument parse(const std::string& text)
{
    INI reader("reader", 0, 0, 0);
    reader.load_string(text, false);
    return reader.document;
}
} // namespace

std::string abilities_text(const std::map<std::string, double>& values)
{
    std::ostringstream out;
    out << "[General]\n";
    for (const auto& entry : values)
        out << entry.first << "=" << entry.second << "\n";
    return out.str();
}

std::string map_row(int from, int to, char solid)
{
    std::string row(25, '-');
    for (int c = from; c <= to && c < 25; ++c)
        row[c] = solid;
    return row;
}

GameplayTest::GameplayTest(const WorldData& data) : world(0)
{
    std::ostringstream rows;
    for (int r = 0; r < 16; ++r) {
        // The first character of a row is never read.
        std::string row = r < static_cast<int>(data.rows.size()) ? data.rows[r] : map_row();
        rows << r << "=-" << row << "\n";
    }
    world.set_screen("0,0", rows.str());
    INIStore& store = INI::global_store();
    store["Abilities"] = parse(data.abilities);
    store["Power Conditions"] = parse(data.power_conditions);
    store["Powers"] = parse(data.powers);
    world.enter();
    // The first tick loads the fixture's default savegame (screen 0,0) and
    // builds the screen.
    scenario().run(1);
    INI& savegame = *static_cast<INI*>(frame().get_instance(type_id::SavegameIni_85));
    savegame.document["Player"] = parse("[Player]\n" + data.inventory)["Player"];
    alchemist().set_position(data.cell_x * 32 + 16, data.cell_y * 32 + 16);
    alchemist().set_direction(data.direction);
    scenario().run_until([this] { return frame().group_player; }, 10);
}

Active& GameplayTest::alchemist() { return *static_cast<Active*>(frame().get_instance(type_id::TheAlchemist_82)); }

double GameplayTest::value(int index) { return alchemist().alterable_values->get(index, 0); }

INI& GameplayTest::modified_abilities()
{
    return *static_cast<INI*>(frame().get_instance(type_id::ModifiedAbilities_123));
}

void GameplayTest::hold(int key) { scenario().input().press_key(key); }

void GameplayTest::release(int key) { scenario().input().release_key(key); }

void GameplayTest::tick(int count) { scenario().run(count); }

void GameplayTest::paste_obstacle(int x, int y, int width, int height)
{
    // The obstacle painter's full tile, cut to the rectangle 32 pixels at a time.
    Active* painter = static_cast<Active*>(frame().get_instance(type_id::ObstacleTilePaster_81));
    painter->set_direction(16);
    Image* tile = painter->get_image();
    Layer* layer = frame().layers[alchemist().layer_index];
    for (int py = 0; py < height; py += 32)
        for (int px = 0; px < width; px += 32)
            layer->paste(tile, x + px, y + py, 0, 0, std::min(32, width - px), std::min(32, height - py), 1);
}
