#include "gameplay/player_types.h"
#include "movement_fixture.h"
#include "objects/active.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const double climb_speed = 512, pull_x = 400, pull_y = 700, wall_jump_x = 600, wall_jump_y = 1500;

std::map<std::string, double> climbing_abilities()
{
    return {{"X Ground Limit", 512},
            {"X Ground Acceleration", 64},
            {"X Air Limit", 512},
            {"X Air Acceleration", 64},
            {"X Hang Limit", 256},
            {"X Hang Acceleration", 64},
            {"Y Gravity", 64},
            {"Y Fall Limit", 2048},
            {"Y Jump Strength", 2000},
            {"Climb Power", 1},
            {"Climb Speed", climb_speed},
            {"Climb Pull Up X Speed", pull_x},
            {"Climb Pull Up Y Speed", pull_y},
            {"Walljump X Speed", wall_jump_x},
            {"Walljump Y Jump Strength", wall_jump_y},
            {"Hang Power", 1},
            {"Y Grab Roof Jump Strength", 1024}};
}

// A wall in column 12 from the top down to the ground in row 15; the
// alchemist starts in the air beside it.
WorldData beside_a_wall()
{
    WorldData world;
    world.abilities = abilities_text(climbing_abilities());
    world.rows.assign(15, map_row(12, 12));
    world.rows.push_back(map_row(0, 24));
    world.cell_x = 10;
    world.cell_y = 3;
    return world;
}

// Holds A and Right until the alchemist clings to the wall.
void cling(GameplayTest& test)
{
    test.hold('A');
    test.hold(KEY_RIGHT);
    for (int i = 0; i < 100 && test.value(climbing_flag) == 0; ++i)
        test.tick();
    ASSERT_EQ(test.value(climbing_flag), 1);
    int y = test.alchemist().y;
    test.tick(10);
    ASSERT_EQ(test.alchemist().y, y) << "no vertical key: he stays on the wall";
    ASSERT_EQ(test.alchemist().x + 7, 12 * 32 - 1);
    ASSERT_EQ(test.alchemist().get_animation(), 9);
}

class LateWallJump : public testing::TestWithParam<int> {};

TEST_P(LateWallJump, OnlyWithinFourTicksOfLettingGo)
{
    const int tick_of_s = GetParam();
    GameplayTest test(beside_a_wall());
    cling(test);
    test.release('A');
    test.release(KEY_RIGHT);
    test.hold(KEY_LEFT);
    test.tick(tick_of_s - 1);
    ASSERT_EQ(test.value(move_mode), 0);
    test.hold('S');
    test.tick();
    if (tick_of_s <= 4) {
        EXPECT_EQ(test.value(speed_y), -wall_jump_y);
        if (tick_of_s == 4) {
            EXPECT_EQ(test.value(speed_x), -wall_jump_x) << "the way he faces now";
        }
    } else {
        EXPECT_GT(test.value(speed_y), 0) << "S does nothing in the air";
    }
}

INSTANTIATE_TEST_SUITE_P(Ticks, LateWallJump, testing::Values(1, 2, 4, 5));

TEST(WallJump, WhileClimbingJumpsAwayFromTheWall)
{
    GameplayTest test(beside_a_wall());
    cling(test);
    test.hold('S');
    test.tick();
    EXPECT_EQ(test.value(speed_y), -wall_jump_y);
    EXPECT_EQ(test.value(speed_x), -wall_jump_x);
    EXPECT_EQ(test.value(wall_window), 0);
    EXPECT_EQ(test.alchemist().get_direction(), 16);
}

TEST(Climb, PullUpOverTheTopOfTheWall)
{
    WorldData world;
    world.abilities = abilities_text(climbing_abilities());
    // A plateau from column 12 on, its top at y = 256; the ground below it
    // fills rows 14 and 15.
    world.rows.assign(8, map_row());
    world.rows.resize(14, map_row(12, 24));
    world.rows.resize(16, map_row(0, 24));
    world.cell_x = 10;
    world.cell_y = 13;
    GameplayTest test(world);
    test.tick(4);
    ASSERT_EQ(test.value(ground_below), 1);
    test.hold('A');
    test.hold(KEY_RIGHT);
    test.hold(KEY_UP);
    bool climbed = false;
    int pull_ticks = 0, ticks_after_climb = 0;
    for (int i = 0; i < 400 && ticks_after_climb < 20; ++i) {
        test.tick();
        if (test.value(climbing_flag) == 1) {
            climbed = true;
            EXPECT_EQ(ticks_after_climb, 0) << "climbing ends once";
            continue;
        }
        if (!climbed)
            continue;
        ticks_after_climb++;
        if (test.value(speed_y) == -pull_y)
            pull_ticks++;
    }
    EXPECT_TRUE(climbed);
    EXPECT_EQ(pull_ticks, 4);
    test.release('A');
    test.release(KEY_RIGHT);
    test.release(KEY_UP);
    test.tick(40);
    EXPECT_EQ(test.alchemist().y, 256 - 16) << "standing on the plateau";
    EXPECT_GT(test.alchemist().x, 12 * 32);
    EXPECT_EQ(test.value(move_mode), 1);
}

// A corridor one tile tall in row 11 under a ceiling in row 10.
WorldData corridor(double hang_power)
{
    auto abilities = climbing_abilities();
    abilities["Hang Power"] = hang_power;
    WorldData world;
    world.abilities = abilities_text(abilities);
    world.rows.assign(10, map_row());
    world.rows.push_back(map_row(0, 24));
    world.rows.push_back(map_row());
    world.rows.resize(16, map_row(0, 24));
    world.cell_x = 3;
    world.cell_y = 11;
    return world;
}

TEST(Hang, RoofJumpThenHangAndMoveAlongTheCeiling)
{
    GameplayTest test(corridor(1));
    test.tick(4);
    const int standing = test.alchemist().y;
    ASSERT_EQ(standing, 368);
    ASSERT_EQ(test.value(roof_near), 1);
    ASSERT_EQ(test.value(ceiling_above), 0);
    test.hold('A');
    test.tick(3);
    EXPECT_EQ(test.value(move_mode), -1);
    EXPECT_EQ(test.alchemist().y, standing - 3) << "up against the ceiling";
    EXPECT_EQ(test.alchemist().get_animation(), 14);
    int x = test.alchemist().x;
    test.hold(KEY_RIGHT);
    test.tick(20);
    EXPECT_EQ(test.value(move_mode), -1);
    EXPECT_EQ(test.value(speed_x), 256) << "the hang limit";
    EXPECT_EQ(test.alchemist().y, standing - 3);
    EXPECT_GT(test.alchemist().x, x);
    test.release('A');
    test.release(KEY_RIGHT);
    test.tick(10);
    EXPECT_EQ(test.value(move_mode), 1);
    EXPECT_EQ(test.alchemist().y, standing);
}

TEST(Hang, NoRoofJumpWithoutHangPower)
{
    GameplayTest test(corridor(0));
    test.tick(4);
    const int standing = test.alchemist().y;
    test.hold('A');
    test.tick(10);
    EXPECT_EQ(test.alchemist().y, standing);
    EXPECT_EQ(test.value(move_mode), 1);
}

} // namespace
