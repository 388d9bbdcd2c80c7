#include "frame/background.h"
#include "frames/globals.h"
#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "gameplay_world_helpers.h"
#include "objects/text.h"

#include <gtest/gtest.h>

namespace {

std::string caption(Frame& frame) { return static_cast<Text*>(frame.get_instance(type_id::TextObject_113))->text; }

} // namespace

TEST(GameplayScreens, StartPlacesTheAlchemistAtTheSavedCellAndShowsItAfterTheBuild)
{
    GameplayWorld world(2);
    world.user.write("saves/Tests - Fixture/Slot 2.ini",
                     "[Position]\nX Map=1\nY Map=0\nX=3\nY=10\nDirection=16\n[Player]\nMoss=Stored\n");
    world.enter();
    Frame5& frame = world.frame();
    FrameObject* alchemist = frame.get_instance(type_id::TheAlchemist_82);
    world.game().run(1);
    EXPECT_EQ(alchemist->x, 112);
    EXPECT_EQ(alchemist->y, 336);
    EXPECT_EQ(alchemist->get_direction(), 16);
    EXPECT_EQ(frame.values->get(map_x), 1);
    EXPECT_EQ(frame.values->get(scratch_flag), 0);
    EXPECT_EQ(caption(frame), "Slopes");
    EXPECT_FALSE(alchemist->visible) << "shown on the tick after the build";
    EXPECT_FALSE(frame.group_player);
    world.game().run(1);
    EXPECT_TRUE(alchemist->visible);
    EXPECT_TRUE(frame.group_player);
}

TEST(GameplayScreens, SlotZeroStartsFromTheDefaultSavegameEvenBesideASlotZeroFile)
{
    GameplayWorld world(0);
    world.user.write("saves/Tests - Fixture/Slot 0.ini", "[Position]\nX Map=2\nX=9\n");
    world.enter();
    world.game().run(1);
    Frame5& frame = world.frame();
    EXPECT_EQ(frame.values->get(map_x), 0);
    EXPECT_EQ(frame.values->get(scratch_flag), 1);
    EXPECT_EQ(frame.get_instance(type_id::TheAlchemist_82)->x, 5 * 32 + 16);
    EXPECT_EQ(caption(frame), "Home");
}

TEST(GameplayScreens, EdgeCrossingsMoveToTheNeighbourAndTearTheOldScreenDownFirst)
{
    struct Case {
        int dx, dy;
        int from_x, from_y;
        int map_x, map_y;
        int to_x, to_y;
        const char* caption;
    };
    const Case cases[] = {
        {1, 0, 801, 300, 1, 0, 0, 300, "Slopes"},
        {-1, 0, -1, 300, -1, 0, 800, 300, "Gallery A"},
        {0, 1, 200, 513, 0, 1, 200, 0, "Gallery B"},
        {0, -1, 200, -1, 0, -1, 200, 512, ""},
    };
    for (const Case& c : cases) {
        GameplayWorld world(0);
        world.enter();
        world.game().run(2);
        Frame5& frame = world.frame();
        FrameObject* alchemist = frame.get_instance(type_id::TheAlchemist_82);
        ASSERT_FALSE(live(frame, type_id::ItemContainer_89).empty());
        alchemist->set_position(c.from_x, c.from_y);
        frame.change_screen(c.dx, c.dy);
        EXPECT_EQ(alchemist->x, c.to_x);
        EXPECT_EQ(alchemist->y, c.to_y);
        EXPECT_EQ(frame.values->get(map_x), c.map_x);
        EXPECT_EQ(frame.values->get(map_y), c.map_y);
        EXPECT_FALSE(frame.group_player);

        // The tick of the teardown: the old screen is gone and nothing new yet.
        world.game().run(1);
        EXPECT_TRUE(frame.get_instances(type_id::ItemContainer_89).empty());
        EXPECT_TRUE(frame.get_instances(type_id::HiddenSavepoint_129).empty());
        EXPECT_TRUE(frame.get_instances(type_id::StaticDecorationAnimation_73).empty());
        EXPECT_TRUE(frame.layers[4]->back->items.empty());
        EXPECT_TRUE(frame.layers[5]->back->items.empty());
        EXPECT_FALSE(alchemist->visible);
        EXPECT_EQ(caption(frame), "");
        EXPECT_TRUE(frame.group_screen_build);

        // The next tick builds the neighbour, the one after shows the alchemist.
        world.game().run(1);
        EXPECT_EQ(caption(frame), c.caption);
        EXPECT_FALSE(frame.layers[4]->back->items.empty());
        world.game().run(1);
        EXPECT_TRUE(alchemist->visible);
        EXPECT_TRUE(frame.group_player);
    }
}

TEST(GameplayScreens, EachScreenBuildsItsOwnObjects)
{
    GameplayWorld world(0);
    world.enter();
    world.game().run(2);
    build_screen(world, -1, 0);
    Frame& frame = world.frame();
    // Gallery A: ten containers and altars, thirteen people, Rufus and the
    // fish; the three altars carry item pictures.
    EXPECT_EQ(live(frame, type_id::ItemContainer_89).size(), 25u);
    EXPECT_EQ(live(frame, type_id::People_116).size(), 13u);
    EXPECT_EQ(live(frame, type_id::ItemInLevel_122).size(), 3u);
    EXPECT_EQ(live(frame, type_id::HiddenSavepoint_129).size(), 1u);
    EXPECT_EQ(live(frame, type_id::Firefly_75).size(), 1u);
    EXPECT_EQ(live(frame, type_id::Walker_105).size(), 1u);
    EXPECT_EQ(live(frame, type_id::Birdfly_125).size(), 1u);
    build_screen(world, 0, 0);
    EXPECT_EQ(live(frame, type_id::ItemContainer_89).size(), 3u);
    EXPECT_EQ(live(frame, type_id::People_116).size(), 0u);
    EXPECT_EQ(live(frame, type_id::ItemInLevel_122).size(), 0u);
}
