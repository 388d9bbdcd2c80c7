#include "gameplay/type_ids.h"
#include "objects/world_actives.h"
#include "scenery_fixture.h"

#include <gtest/gtest.h>

TEST(SceneryPlants, APlantSwingsOnItsSineOncePerPeriod)
{
    SceneryScreen screen({{5, row_with("G")}});
    std::vector<Active*> plants = screen.all(type_id::SineRotator_70);
    ASSERT_EQ(plants.size(), 1u);
    Active* plant = plants[0];
    // Phase 0 of a 300-tick sway of 5 degrees around a resting angle of 40.
    plant->alterable_values->set(2, 0);
    plant->alterable_values->set(3, 300);
    plant->alterable_values->set(4, 5);
    plant->alterable_values->set(5, 40);
    struct Point {
        int ticks;
        double angle;
    };
    // A quarter period on: fully one way; half: at rest; three quarters:
    // fully the other way; a whole period: back at rest; the next tick
    // starts the swing again.
    const Point points[] = {{75, 45}, {75, 40}, {75, 35}, {75, 40}, {1, 40 + 5 * std::sin(2 * M_PI / 300)}};
    double lowest = 360, highest = -360;
    for (const Point& point : points) {
        for (int t = 0; t < point.ticks; t++) {
            screen.tick();
            lowest = std::min(lowest, plant->get_angle());
            highest = std::max(highest, plant->get_angle());
        }
        EXPECT_NEAR(plant->get_angle(), point.angle, 1e-3) << "after " << point.ticks << " more ticks";
    }
    EXPECT_NEAR(lowest, 35, 1e-3);
    EXPECT_NEAR(highest, 45, 1e-3);
}

TEST(SceneryPlants, PlacedPlantsSwayFromTheirStartingPhase)
{
    // A vine rests at a random angle and sways by 2 degrees around it.
    SceneryScreen screen({{5, row_with("\xA7")}});
    Active* vine = screen.all(type_id::SineRotator_70).at(0);
    double period = value_of(vine, 3), rest = value_of(vine, 5);
    ASSERT_GE(period, 300);
    double seen_low = 360, seen_high = -360;
    for (int t = 0; t < period; t++) {
        screen.tick();
        double turn = signed_angle(vine->get_angle() - rest);
        seen_low = std::min(seen_low, turn);
        seen_high = std::max(seen_high, turn);
    }
    EXPECT_NEAR(seen_low, -2, 0.01);
    EXPECT_NEAR(seen_high, 2, 0.01);
}

TEST(SceneryPlants, APlantWithoutAPeriodRestsAtItsAngle)
{
    SceneryScreen screen({});
    Active* plant = static_cast<Active*>(screen.world.frame().create_object(new SineRotator_70(100, 100), 4)[0]);
    plant->alterable_values->set(4, 5);
    plant->alterable_values->set(5, 30);
    screen.tick(3);
    EXPECT_DOUBLE_EQ(plant->get_angle(), 30);
    EXPECT_EQ(value_of(plant, 2), 0);
}

TEST(SceneryPlants, StrawsGrowWhereTheMapAsks)
{
    struct Case {
        char tile;
        int in_front, silhouettes;
    };
    // "P" is two straws on the object layer and one dark one in front of
    // the terrain; "p" only the dark one.
    const Case cases[] = {{'P', 2, 1}, {'p', 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tile);
        // A grass tuft beside them shows the blend colour left alone.
        SceneryScreen screen({{5, row_with(std::string(1, c.tile) + "-G")}});
        int cx = 5 * 32 + 16, cy = 5 * 32 + 16;
        int in_front = 0, silhouettes = 0;
        Active* grass = nullptr;
        for (Active* plant : screen.all(type_id::SineRotator_70)) {
            if (plant->get_animation() != 12) {
                grass = plant;
                continue;
            }
            bool dark = plant->layer_index == 5;
            (dark ? silhouettes : in_front)++;
            EXPECT_EQ(plant->layer_index, dark ? 5 : 4);
            EXPECT_GE(plant->x, cx - 15);
            EXPECT_LE(plant->x, cx + 14);
            int top = cy + (dark ? 24 : 16);
            EXPECT_GE(plant->y, top);
            EXPECT_LE(plant->y, top + 31);
            EXPECT_GE(value_of(plant, 3), 300);
            EXPECT_LT(value_of(plant, 3), 400);
            EXPECT_LT(value_of(plant, 2), value_of(plant, 3));
            EXPECT_EQ(value_of(plant, 4), 5);
            if (dark) {
                EXPECT_EQ(plant->blend_color.r + plant->blend_color.g + plant->blend_color.b, 0);
            }
        }
        EXPECT_EQ(in_front, c.in_front);
        EXPECT_EQ(silhouettes, c.silhouettes);
        ASSERT_NE(grass, nullptr);
        for (Active* plant : screen.all(type_id::SineRotator_70)) {
            if (plant->layer_index == 4) {
                EXPECT_EQ(plant->blend_color.get_int(), grass->blend_color.get_int());
            }
        }
    }
}
