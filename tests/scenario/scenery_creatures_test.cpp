#include "gameplay/type_ids.h"
#include "scenery_fixture.h"

#include <gtest/gtest.h>

namespace {

const int home_x = 7 * 32 + 16, home_y = 6 * 32 + 16;

double distance_from_home(Active* firefly) { return std::hypot(firefly->x - home_x, firefly->y - home_y); }

} // namespace

TEST(SceneryCreatures, AFireflyWandersButStaysNearItsHome)
{
    SceneryScreen screen({{6, row_with("*", 7)}});
    Active* firefly = screen.all(type_id::Firefly_75).at(0);
    double farthest = 0, sum = 0;
    int stretched = 0;
    const int ticks = 3000;
    for (int t = 0; t < ticks; t++) {
        screen.tick();
        double d = distance_from_home(firefly);
        farthest = std::max(farthest, d);
        sum += d;
        EXPECT_NEAR(value_of(firefly, 0), d, 1e-6);
        EXPECT_GE(firefly->y_scale, 0.2 - 1e-6);
        EXPECT_LE(firefly->y_scale, 1.7 + 1e-6);
        EXPECT_GE(firefly->x_scale, 1);
        EXPECT_LE(firefly->x_scale, 3.5);
        stretched += firefly->x_scale > 1;
    }
    EXPECT_GT(sum / ticks, 2) << "it never left home";
    EXPECT_LT(farthest, 96) << "it flew away";
    EXPECT_GT(stretched, 0);
}

TEST(SceneryCreatures, AFireflyWithoutWanderStaysAtHome)
{
    // With no tether as well, the pull would divide by zero.
    for (int tether : {50, 0}) {
        SCOPED_TRACE(tether);
        SceneryScreen screen({{6, row_with("*", 7)}});
        Active* firefly = screen.all(type_id::Firefly_75).at(0);
        firefly->set_position(home_x, home_y);
        for (int v : {0, 8, 9, 10, 11})
            firefly->alterable_values->set(v, 0);
        firefly->alterable_values->set(1, tether);
        firefly->alterable_values->set(3, 0);
        screen.tick(500);
        EXPECT_EQ(firefly->x, home_x);
        EXPECT_EQ(firefly->y, home_y);
        // At rest it is drawn unstretched and faint.
        EXPECT_EQ(firefly->x_scale, 1);
        EXPECT_EQ(firefly->blend_color.get_alpha_coefficient(), 200);
    }
}

TEST(SceneryCreatures, AnEffectPlaysAfterItsCountdownAndAgainLater)
{
    SceneryScreen screen({{5, row_with(",")}});
    Active* effect = screen.all(type_id::Effect_107).at(0);
    EXPECT_FALSE(effect->visible);
    effect->alterable_values->set(0, 3);
    // Counting down 3, 2, 1, 0: still waiting and hidden.
    for (int t = 0; t < 4; t++) {
        screen.tick();
        EXPECT_FALSE(effect->visible);
        EXPECT_EQ(effect->get_animation(), 0);
    }
    EXPECT_EQ(value_of(effect, 0), -1);
    screen.tick();
    EXPECT_TRUE(effect->visible);
    EXPECT_EQ(effect->get_animation(), 12);
    double pause = value_of(effect, 0);
    EXPECT_GE(pause, 100);
    EXPECT_LT(pause, 550);
    // While it plays the countdown waits.
    screen.tick(50);
    EXPECT_TRUE(effect->visible);
    EXPECT_EQ(value_of(effect, 0), pause);
    // Played once, it waits and plays again.
    int plays = 0;
    bool was_playing = true;
    for (int t = 0; t < 2000; t++) {
        screen.tick();
        bool playing = effect->get_animation() == 12;
        plays += playing && !was_playing;
        was_playing = playing;
        EXPECT_EQ(effect->visible, playing);
    }
    EXPECT_GE(plays, 2);
}
