#include "gameplay/player_types.h"
#include "movement_fixture.h"
#include "objects/active.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

// Ground fills rows 12 to 15: its top is at y = 384, where an alchemist
// standing at the centre of a row 11 cell (y = 368) has his feet.
const int ground_top = 384;
const int standing_y = ground_top - 16;

std::map<std::string, double> land_abilities()
{
    return {{"X Ground Limit", 512},   {"X Ground Acceleration", 64},
            {"X Air Limit", 512},      {"X Air Acceleration", 64},
            {"Y Gravity", 256},        {"Y Fall Limit", 2048},
            {"Y Jump Strength", 2688}, {"Ignore Down Slope Detection Threshold", 600}};
}

WorldData flat_ground(const std::map<std::string, double>& abilities)
{
    WorldData world;
    world.abilities = abilities_text(abilities);
    world.rows.assign(12, map_row());
    world.rows.resize(16, map_row(0, 24));
    world.cell_x = 3;
    world.cell_y = 11;
    return world;
}

// Lets the alchemist settle on the ground.
void settle(GameplayTest& test)
{
    test.tick(4);
    ASSERT_EQ(test.value(ground_below), 1);
    ASSERT_EQ(test.alchemist().y, standing_y);
}

struct RunCase {
    double acceleration, limit;
};

class GroundRun : public testing::TestWithParam<RunCase> {};

TEST_P(GroundRun, SpeedAndDistanceFollowTheAbilities)
{
    auto abilities = land_abilities();
    abilities["X Ground Acceleration"] = GetParam().acceleration;
    abilities["X Ground Limit"] = GetParam().limit;
    GameplayTest test(flat_ground(abilities));
    settle(test);
    int start_x = test.alchemist().x;
    double travelled = 0;
    test.hold(KEY_RIGHT);
    for (int k = 1; k <= 30; ++k) {
        test.tick();
        double expected = std::min(k * GetParam().acceleration, GetParam().limit);
        travelled += expected;
        ASSERT_EQ(test.value(speed_x), expected) << "tick " << k;
        ASSERT_EQ(test.alchemist().x - start_x, std::floor(travelled / 256)) << "tick " << k;
        ASSERT_EQ(test.alchemist().y, standing_y);
    }
    EXPECT_EQ(test.alchemist().get_animation(), 2);
    EXPECT_EQ(test.alchemist().get_direction(), 0);
    test.release(KEY_RIGHT);
    test.tick(20);
    EXPECT_EQ(test.value(speed_x), 0) << "braking with the same acceleration";
    EXPECT_EQ(test.alchemist().get_animation(), 1);
}

INSTANTIATE_TEST_SUITE_P(Abilities, GroundRun, testing::Values(RunCase{64, 512}, RunCase{100, 300}));

struct JumpCase {
    double strength, gravity;
};

class Jump : public testing::TestWithParam<JumpCase> {};

TEST_P(Jump, HeightFollowsStrengthAndGravity)
{
    auto abilities = land_abilities();
    abilities["Y Jump Strength"] = GetParam().strength;
    abilities["Y Gravity"] = GetParam().gravity;
    GameplayTest test(flat_ground(abilities));
    settle(test);
    // With this gravity the alchemist meets the ground every tick, so the
    // jump starts from a whole pixel: it rises by the sum of its upward
    // speeds.
    ASSERT_EQ(test.value(remainder_y), 0);
    double rise = 0;
    for (double v = GetParam().strength; v > 0; v -= GetParam().gravity)
        rise += v;
    test.hold('S');
    test.tick();
    test.release('S');
    EXPECT_EQ(test.value(speed_y), -GetParam().strength);
    int highest = test.alchemist().y;
    test.tick();
    highest = std::min(highest, test.alchemist().y);
    EXPECT_EQ(test.alchemist().get_animation(), 7) << "rising, from the tick after the jump";
    for (int i = 0; i < 200 && test.value(ground_below) == 0; ++i) {
        test.tick();
        highest = std::min(highest, test.alchemist().y);
    }
    EXPECT_EQ(standing_y - highest, std::floor(rise / 256));
    EXPECT_EQ(test.alchemist().y, standing_y) << "back on the ground";
}

INSTANTIATE_TEST_SUITE_P(Abilities, Jump,
                         testing::Values(JumpCase{2688, 256}, JumpCase{1536, 256}, JumpCase{3000, 512}));

TEST(Movement, LeftAndRightTogetherMoveRight)
{
    GameplayTest test(flat_ground(land_abilities()));
    settle(test);
    int start_x = test.alchemist().x;
    test.hold(KEY_LEFT);
    test.hold(KEY_RIGHT);
    test.tick(10);
    EXPECT_GT(test.value(speed_x), 0);
    EXPECT_GT(test.alchemist().x, start_x);
    EXPECT_EQ(test.alchemist().get_direction(), 0);
}

struct StepCase {
    int height;
    bool climbed;
};

class Step : public testing::TestWithParam<StepCase> {};

TEST_P(Step, OnePixelIsClimbedAtFullSpeedTwoStop)
{
    GameplayTest test(flat_ground(land_abilities()));
    settle(test);
    const int step_x = 300;
    test.paste_obstacle(step_x, ground_top - GetParam().height, 500 - step_x, GetParam().height);
    test.hold(KEY_RIGHT);
    test.tick(8);
    ASSERT_EQ(test.value(speed_x), 512);
    for (int i = 0; i < 150 && test.alchemist().x < 400; ++i) {
        test.tick();
        if (GetParam().climbed) {
            ASSERT_EQ(test.value(speed_x), 512) << "at x " << test.alchemist().x;
        }
    }
    if (GetParam().climbed) {
        EXPECT_GE(test.alchemist().x, 400);
        EXPECT_EQ(test.alchemist().y, standing_y - 1);
    } else {
        // The box's right column stops one pixel short of the step.
        EXPECT_EQ(test.alchemist().x + 7, step_x - 1);
        EXPECT_EQ(test.alchemist().y, standing_y);
        EXPECT_LT(test.value(speed_x), 512) << "each blocked step starts the run again";
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, Step, testing::Values(StepCase{1, true}, StepCase{2, false}));

struct SlopeCase {
    double threshold;
    bool follows;
};

class DownSlope : public testing::TestWithParam<SlopeCase> {};

TEST_P(DownSlope, FollowedOnlyBelowTheThreshold)
{
    auto abilities = land_abilities();
    abilities["Ignore Down Slope Detection Threshold"] = GetParam().threshold;
    abilities["Y Gravity"] = 64;
    WorldData world = flat_ground(abilities);
    // Ground on the left at row 12; from column 8 on it lies 32 pixels
    // lower, joined by a staircase of one-pixel steps.
    world.rows[12] = map_row(0, 7);
    GameplayTest test(world);
    settle(test);
    for (int i = 0; i < 32; ++i)
        test.paste_obstacle(256 + 2 * i, ground_top + i, 2, 32 - i);
    test.hold(KEY_RIGHT);
    test.tick(8);
    ASSERT_EQ(test.value(speed_x), 512);
    bool left_ground = false;
    for (int i = 0; i < 100 && test.alchemist().x < 400; ++i) {
        test.tick();
        if (test.value(ground_below) == 0)
            left_ground = true;
    }
    EXPECT_EQ(left_ground, !GetParam().follows);
    test.tick(20);
    EXPECT_EQ(test.alchemist().y, standing_y + 32) << "on the lower ground in the end";
}

INSTANTIATE_TEST_SUITE_P(Thresholds, DownSlope, testing::Values(SlopeCase{600, true}, SlopeCase{512, false}));

} // namespace
