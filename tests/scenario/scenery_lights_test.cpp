#include "gameplay/type_ids.h"
#include "scenery_fixture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Light 1 on layer 0, alpha coefficient 100, pulsing to 200 over
// `period` ticks (the key's last two fields: base and random extra 1,
// which adds nothing).
std::string light_key(int period) { return "FX 1=1,1,255,100,-,0,200," + std::to_string(period) + ",1\n"; }

} // namespace

TEST(SceneryLights, AGlowsTransparencyPulsesOverItsPeriod)
{
    SceneryScreen screen({{5, row_with("1")}}, light_key(40));
    Active* glow = screen.all(type_id::Glow1_71).at(0);
    ASSERT_EQ(value_of(glow, 3), 40);
    // The build tick moved the phase from 40 to 1.
    ASSERT_EQ(value_of(glow, 4), 1);
    struct Point {
        int ticks, alpha;
    };
    // Phase 10 of 40 is the far end (200), 20 the middle, 30 the near end
    // (100), 40 = 0 the middle again.
    const Point points[] = {{9, 200}, {10, 150}, {10, 100}, {10, 150}, {10, 200}};
    std::set<int> seen;
    for (const Point& point : points) {
        for (int t = 0; t < point.ticks; t++) {
            screen.tick();
            seen.insert(glow->blend_color.get_alpha_coefficient());
        }
        EXPECT_NEAR(glow->blend_color.get_alpha_coefficient(), point.alpha, 1) << "phase " << value_of(glow, 4);
    }
    EXPECT_GE(*seen.begin(), 99);
    EXPECT_LE(*seen.rbegin(), 200);
}

TEST(SceneryLights, GlowsJitterAndOnlyPulsingOnesChangeTransparency)
{
    for (int period : {0, 40}) {
        SCOPED_TRACE(period);
        SceneryScreen screen({{5, row_with("1")}}, light_key(period));
        Active* glow = screen.all(type_id::Glow1_71).at(0);
        std::set<int> alphas;
        int turned = 0;
        for (int t = 0; t < 200; t++) {
            double before = glow->get_angle();
            screen.tick();
            double turn = signed_angle(glow->get_angle() - before);
            EXPECT_LE(std::fabs(turn), 20 + 1e-6);
            turned += turn != 0;
            alphas.insert(glow->blend_color.get_alpha_coefficient());
        }
        EXPECT_GT(turned, 150);
        if (period == 0) {
            EXPECT_EQ(alphas, std::set<int>{100});
        } else {
            EXPECT_GT(alphas.size(), 10u);
        }
    }
}

TEST(SceneryLights, FogTurnsSteadilyAndWrapsAround)
{
    // Fog 5 turning by 3 degrees a tick, one way or the other.
    SceneryScreen screen({{5, row_with("5")}}, "FX 5=1,1,0,0,-,0,3\n");
    Active* fog = screen.all(type_id::Fog5_79).at(0);
    double way = value_of(fog, 1);
    ASSERT_TRUE(way == 1 || way == -1);
    double start = fog->get_angle();
    for (int t = 0; t < 130; t++) {
        double before = fog->get_angle();
        screen.tick();
        EXPECT_NEAR(signed_angle(fog->get_angle() - before), 3 * way, 1e-3);
        EXPECT_GE(fog->get_angle(), 0);
        EXPECT_LT(fog->get_angle(), 360);
    }
    // 390 degrees in all: once around and 30 more.
    EXPECT_NEAR(signed_angle(fog->get_angle() - start), 30 * way, 1e-3);
}
