#include "frame/background.h"
#include "frames/globals.h"
#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "gameplay_world_helpers.h"
#include "objects/active.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

namespace {

// Everything a build leaves behind: the pasted rasters and masks of the two
// terrain layers and every instance with its placement and state.
struct ScreenSnapshot {
    std::vector<unsigned char> pixels[2], masks[2];
    std::vector<std::string> objects;
    size_t solid_pixels = 0;
};

// The objects the frame made at its start, which no screen owns.
std::set<FrameObject*> persistent_objects(Frame& frame) { return {frame.instances.begin(), frame.instances.end()}; }

ScreenSnapshot snapshot(Frame& frame, const std::set<FrameObject*>& persistent)
{
    ScreenSnapshot shot;
    for (int i = 0; i < 2; i++) {
        Background* back = frame.layers[4 + i]->back;
        back->update();
        shot.pixels[i].assign(back->raster, back->raster + Background::WIDTH * Background::HEIGHT * 4);
        shot.masks[i].assign(back->mask, back->mask + Background::MASK_WIDTH * Background::MASK_HEIGHT);
    }
    for (unsigned char m : shot.masks[0])
        shot.solid_pixels += m != 0;
    for (FrameObject* object : frame.instances) {
        if (object->destroying || persistent.count(object))
            continue;
        std::ostringstream line;
        line << object->id << " " << object->x << "," << object->y << " layer " << object->layer_index << " level "
             << object->get_level() << " dir " << object->direction << " blend " << object->blend_color.get_int();
        if (Active* active = dynamic_cast<Active*>(object))
            line << " anim " << active->animation << " frame " << active->get_frame() << " angle " << active->angle
                 << " scale " << active->x_scale << "x" << active->y_scale;
        if (object->alterable_values)
            for (int v = 0; v < 8; v++)
                line << " " << object->alterable_values->get(v, 0);
        if (object->alterable_strings)
            line << " '" << object->alterable_strings->get(0, "") << "'";
        shot.objects.push_back(line.str());
    }
    return shot;
}

// Whether the obstacle mask is set at a pixel (no mask at all is no rock).
bool solid_at(Frame& frame, int x, int y)
{
    Background* back = frame.layers[4]->back;
    if (!back)
        return false;
    back->update();
    return *back->get_mask(x, y) != 0;
}

std::vector<double> exploder_angles(Frame& frame)
{
    std::vector<double> angles;
    for (FrameObject* exploder : live(frame, type_id::Exploder_118))
        angles.push_back(static_cast<Active*>(exploder)->get_angle());
    return angles;
}

} // namespace

TEST(TerrainGeneration, TheSameScreenBuildsTheSameEveryVisit)
{
    GameplayWorld world(0);
    world.enter();
    const std::set<FrameObject*> persistent = persistent_objects(world.frame());
    world.game().run(2);
    build_screen(world, 1, 1);
    ScreenSnapshot first = snapshot(world.frame(), persistent);
    build_screen(world, 0, 0);
    ScreenSnapshot home = snapshot(world.frame(), persistent);
    build_screen(world, 1, 1);
    ScreenSnapshot second = snapshot(world.frame(), persistent);

    EXPECT_GT(first.solid_pixels, 100000u);
    EXPECT_GT(first.objects.size(), 60u);
    EXPECT_NE(first.masks[0], home.masks[0]) << "another screen builds differently";
    EXPECT_NE(first.objects, home.objects);
    EXPECT_EQ(first.pixels[0], second.pixels[0]);
    EXPECT_EQ(first.pixels[1], second.pixels[1]);
    EXPECT_EQ(first.masks[0], second.masks[0]);
    EXPECT_EQ(first.objects, second.objects);
}

TEST(TerrainGeneration, ExplodersPointAwayFromEachSolidSide)
{
    struct Case {
        std::map<int, std::string> rows;
        std::vector<double> angles;
    };
    const std::string open(25, '-');
    const Case cases[] = {
        // Solid below and to the right only.
        {{{5, "|-----X#" + open.substr(7)}, {6, "|-----#" + open.substr(6)}}, {0, 90}},
        // Solid on all four sides: below, above, left, right.
        {{{4, "|-----#" + open.substr(6)}, {5, "|----#X#" + open.substr(7)}, {6, "|-----#" + open.substr(6)}},
         {0, 180, 270, 90}},
        // In the top row the tile above is the tile itself, which is no rock.
        {{{0, "|-----X" + open.substr(6)}}, {}},
        // At the left edge the tile to the left is the tile itself.
        {{{5, "|X" + open.substr(1)}, {4, "|#" + open.substr(1)}}, {180}},
    };
    for (const Case& c : cases) {
        GameplayWorld world(0);
        world.set_screen("0,0", map_rows(c.rows));
        world.enter();
        world.game().run(1);
        EXPECT_EQ(exploder_angles(world.frame()), c.angles);
    }
}

TEST(TerrainGeneration, AttractingExplodersCarryTheirSettings)
{
    const std::string open(25, '-');
    GameplayWorld world(0);
    world.set_screen("0,0", map_rows({{5, "|-----x" + open.substr(6)}, {6, "|-----#" + open.substr(6)}}));
    world.enter();
    world.game().run(1);
    std::vector<FrameObject*> exploders = live(world.frame(), type_id::Exploder_118);
    ASSERT_EQ(exploders.size(), 1u);
    Active* exploder = static_cast<Active*>(exploders[0]);
    EXPECT_EQ(exploder->get_animation(), 2);
    EXPECT_EQ(exploder->alterable_values->get(3, 0), -1);
    EXPECT_GE(exploder->alterable_values->get(2, 0), 300);
    EXPECT_LT(exploder->alterable_values->get(2, 0), 400);
    EXPECT_EQ(exploder->alterable_strings->get(0, ""), "Attract Spiker");
    EXPECT_EQ(exploder->alterable_values->get(7, 0), 1);
}

TEST(TerrainGeneration, ARowWithoutItsLeadingCharacterShiftsLeft)
{
    // The chest sits at byte 11 of the row value: column 10 with the leading
    // character, column 9 without, and then the last column is past the end
    // of the row, which is rock.
    struct Case {
        std::string row;
        int chest_x;
        bool last_column_solid;
    };
    const Case cases[] = {
        {"|" + std::string(10, '-') + "c" + std::string(14, '-'), 32 * 10 + 16, false},
        {std::string(10, '-') + "c" + std::string(14, '-'), 32 * 9 + 16, true},
    };
    for (const Case& c : cases) {
        GameplayWorld world(0);
        world.set_screen("0,0", map_rows({{5, c.row}}));
        world.enter();
        world.game().run(1);
        std::vector<FrameObject*> chests = live(world.frame(), type_id::ItemContainer_89);
        ASSERT_EQ(chests.size(), 1u);
        EXPECT_EQ(chests[0]->x, c.chest_x);
        EXPECT_EQ(solid_at(world.frame(), 24 * 32 + 16, 5 * 32 + 16), c.last_column_solid);
        EXPECT_FALSE(solid_at(world.frame(), 23 * 32 + 16, 5 * 32 + 16));
    }
}

TEST(TerrainGeneration, GrassGrowsOnlyOnOpenSides)
{
    // At the top and bottom rows the neighbour beyond the edge is the tile
    // itself, which is rock.
    struct Case {
        int row;
        int top_grass, bottom_grass;
    };
    const Case cases[] = {{0, 0, 1}, {7, 1, 1}, {15, 1, 0}};
    for (const Case& c : cases) {
        GameplayWorld world(0);
        world.set_screen("0,0", map_rows({{c.row, "|---%" + std::string(21, '-')}}));
        world.enter();
        world.game().run(1);
        Active* paster = static_cast<Active*>(world.frame().get_instance(type_id::TilePaster_67));
        DirectionArrayStruct& grass = (*paster->animations)[13];
        int top = 0, bottom = 0;
        for (const BackgroundItem& item : world.frame().layers[5]->back->items) {
            top += item.image == grass.directions[0]->frames[0] || item.image == grass.directions[16]->frames[0];
            bottom += item.image == grass.directions[8]->frames[0] || item.image == grass.directions[24]->frames[0];
        }
        EXPECT_EQ(top, c.top_grass) << "row " << c.row;
        EXPECT_EQ(bottom, c.bottom_grass) << "row " << c.row;
    }
}

TEST(TerrainGeneration, AMissingScreenIsSolidRockWithoutObjects)
{
    GameplayWorld world(0);
    world.enter();
    world.game().run(2);
    build_screen(world, 7, 7);
    for (int y : {0, 200, 511})
        for (int x : {0, 400, 799})
            EXPECT_TRUE(solid_at(world.frame(), x, y)) << x << "," << y;
    EXPECT_TRUE(live(world.frame(), type_id::StaticDecorationAnimation_73).empty());
    EXPECT_TRUE(live(world.frame(), type_id::ItemContainer_89).empty());
}

TEST(TerrainGeneration, LightsTakeTheirScreensEffectSettings)
{
    const std::string open(25, '-');
    GameplayWorld world(0);
    // Light 4 is configured by its key; light 1 has none, so it stays on the
    // light layer instead of a layer that does not exist.
    world.set_screen("0,0", map_rows({{3, "|--4--1" + open.substr(6)}}, "FX 4=6,2,255,200,+,0,3,80,40\n"));
    world.enter();
    world.game().run(1);
    std::vector<FrameObject*> configured = live(world.frame(), type_id::Glow4_78);
    std::vector<FrameObject*> bare = live(world.frame(), type_id::Glow1_71);
    ASSERT_EQ(configured.size(), 1u);
    ASSERT_EQ(bare.size(), 1u);
    Active* light = static_cast<Active*>(configured[0]);
    EXPECT_EQ(light->layer_index, 5);
    EXPECT_EQ(light->x_scale, 2);
    EXPECT_EQ(light->blend_color.r, 255);
    EXPECT_NEAR(light->x, 2 * 32 + 16, 16);
    EXPECT_EQ(light->alterable_values->get(0, 0), 1);
    EXPECT_EQ(light->alterable_values->get(1, 0), 200);
    EXPECT_EQ(light->alterable_values->get(2, 0), 3);
    EXPECT_GE(light->alterable_values->get(3, 0), 80);
    EXPECT_LT(light->alterable_values->get(3, 0), 120);
    // The build tick's scenery has already pulsed the light once: its phase
    // went from V 3 round to 1 and its transparency from field 3 towards
    // field 6.
    EXPECT_EQ(light->alterable_values->get(4, 0), 1);
    EXPECT_LT(light->blend_color.get_alpha_coefficient(), 200);
    EXPECT_GT(light->blend_color.get_alpha_coefficient(), 3);
    EXPECT_EQ(bare[0]->layer_index, 0);
    EXPECT_EQ(bare[0]->alterable_values->get(0, 0), 1);
}

TEST(TerrainGeneration, WaterSurfacesAndTheirDistortion)
{
    struct Case {
        int quality;
        std::map<int, std::string> rows;
        std::vector<int> surface_ys;
        size_t distortions;
    };
    const std::string open(25, '-');
    const Case cases[] = {
        {0, {{0, "|~" + open.substr(1)}}, {0}, 1},
        {0, {{5, "|~--~" + open.substr(4)}}, {5 * 32 + 16 - 12, 5 * 32 + 16 - 12}, 2},
        {1, {{5, "|~" + open.substr(1)}}, {5 * 32 + 16 - 12}, 0},
    };
    for (const Case& c : cases) {
        GameplayWorld world(0, "Fixture", c.quality);
        world.set_screen("0,0", map_rows(c.rows, "Water Type=2\n"));
        world.enter();
        world.game().run(1);
        std::vector<int> ys;
        for (FrameObject* surface : live(world.frame(), type_id::WaterSurface_94)) {
            ys.push_back(surface->y);
            EXPECT_EQ(surface->x, 0);
            EXPECT_EQ(surface->direction, 3);
        }
        EXPECT_EQ(ys, c.surface_ys);
        std::vector<FrameObject*> distortions = live(world.frame(), type_id::WaterDistortion_100);
        EXPECT_EQ(distortions.size(), c.distortions);
        for (FrameObject* distortion : distortions)
            EXPECT_EQ(distortion->layer_index, 7);
    }
}
