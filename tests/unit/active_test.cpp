#include "collision/collision.h"
#include "frame/background.h"
#include "frame/frame.h"
#include "image/image.h"
#include "objects/active.h"
#include "support/png_fixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

unsigned char opaque(int, int) { return 255; }

// One active type: its animation set and the pictures it uses, each frame
// a picture of its own so the test can tell them apart.
class Walker {
public:
    Walker() : active("Walker", 100, 100, 9) { active.animations = &animations; }

    void sequence(int animation, int direction, int frames, int speed, bool loop = true, int back_to = 0, int width = 8,
                  int height = 8)
    {
        active.add_direction(animation, direction, 0, speed, loop, back_to);
        for (int i = 0; i < frames; i++) {
            images.push_back(make_image(width, height, width / 2, height / 2, opaque, width, height / 2));
            active.add_image(animation, direction, images.back().get());
        }
    }

    void finish()
    {
        active.initialize_animations();
        active.initialize_active();
    }

    std::vector<int> frames_over(int ticks)
    {
        std::vector<int> seen;
        for (int i = 0; i < ticks; i++) {
            active.update(1 / 60.0f);
            seen.push_back(active.get_frame());
        }
        return seen;
    }

    AnimationMap animations;
    std::vector<std::unique_ptr<Image>> images;
    Active active;
};

TEST(ActiveDirections, EmptySlotsTakeTheNearestDefinedDirectionHigherFirst)
{
    const struct {
        std::vector<int> defined;
        int slot, takes;
    } cases[] = {
        {{0, 16}, 8, 16},
        {{0, 16}, 24, 0},
        {{0, 16}, 4, 0},
        {{0, 16}, 12, 16},
        {{0, 16}, 0, 0},
        {{0, 16}, 31, 0},
        {{0, 16}, 17, 16},
        // Slot 3 reaches 5 before 0; slot 2 would find slot 1 filled with 0
        // first if filled slots counted, and must still take 0 by distance.
        {{0, 5}, 3, 5},
        {{0, 5}, 2, 0},
        {{0, 5}, 1, 0},
        {{0, 5}, 4, 5},
        {{0, 5}, 18, 5},
        {{0, 5}, 20, 0},
        {{7}, 23, 7},
    };
    for (const auto& c : cases) {
        Walker walker;
        for (int d : c.defined)
            walker.sequence(0, d, 1, 0);
        walker.finish();
        Direction* slot = walker.animations[0].directions[c.slot];
        ASSERT_NE(slot, nullptr) << "slot " << c.slot;
        EXPECT_EQ(slot->index, c.takes) << "slot " << c.slot;
        EXPECT_EQ(slot, walker.animations[0].directions[c.takes]) << "slot " << c.slot << " must share the sequence";
    }
}

TEST(ActiveAnimation, FrameAdvancesOnlyWhenTheCounterPassesOneHundred)
{
    const struct {
        int speed;
        std::vector<int> frames;
    } cases[] = {
        {100, {0, 1, 2, 3, 4, 5, 0}},
        {50, {0, 0, 1, 1, 2, 2, 3}},
        {0, {0, 0, 0, 0, 0, 0, 0}},
        // Several frames in one tick, across the loop's end.
        {250, {2, 4, 1, 3, 0, 2, 5}},
    };
    for (const auto& c : cases) {
        Walker walker;
        walker.sequence(0, 0, 6, c.speed);
        walker.finish();
        ASSERT_EQ(walker.active.get_frame(), 0);
        EXPECT_EQ(walker.frames_over(7), c.frames) << "speed " << c.speed;
    }
}

TEST(ActiveAnimation, LoopingContinuesFromBackToAndAOneShotStaysOnItsLastFrame)
{
    Walker looping;
    looping.sequence(0, 0, 4, 100, true, 1);
    looping.finish();
    EXPECT_EQ(looping.frames_over(8), (std::vector<int>{0, 1, 2, 3, 1, 2, 3, 1}));

    Walker once;
    once.sequence(0, 0, 3, 100, false);
    once.finish();
    EXPECT_EQ(once.frames_over(5), (std::vector<int>{0, 1, 2, 2, 2}));
}

TEST(ActiveAnimation, ForcedSpeedOverridesTheSequenceUntilRestored)
{
    Walker walker;
    walker.sequence(0, 0, 5, 0);
    walker.finish();
    walker.active.force_speed(100);
    EXPECT_EQ(walker.active.get_speed(), 100);
    EXPECT_EQ(walker.frames_over(3), (std::vector<int>{0, 1, 2}));
    walker.active.restore_speed();
    EXPECT_EQ(walker.active.get_speed(), 0);
    EXPECT_EQ(walker.frames_over(3), (std::vector<int>{2, 2, 2}));
    walker.active.force_speed(-5);
    EXPECT_EQ(walker.frames_over(3), (std::vector<int>{2, 2, 2})) << "a negative speed holds the frame";
}

TEST(ActiveAnimation, ForcedFrameIsClampedHeldAndBecomesCurrentOnRestore)
{
    Walker walker;
    walker.sequence(0, 0, 3, 100);
    walker.finish();
    walker.active.force_frame(7);
    EXPECT_EQ(walker.active.get_frame(), 2);
    EXPECT_EQ(walker.active.get_image(), walker.images[2].get());
    EXPECT_EQ(walker.active.collision->image, walker.images[2].get());
    EXPECT_EQ(walker.frames_over(3), (std::vector<int>{2, 2, 2}));
    walker.active.restore_frame();
    EXPECT_EQ(walker.active.animation_frame, 2);
    EXPECT_EQ(walker.active.forced_frame, -1);
    // Counting starts again from the restored frame: 200 passes 100 on the
    // second tick, then the loop wraps to 0.
    EXPECT_EQ(walker.frames_over(2), (std::vector<int>{2, 0}));
}

TEST(ActiveAnimation, StoppedActiveKeepsItsFrameButStillTurnsAndCollides)
{
    Walker walker;
    walker.sequence(0, 0, 4, 100, true, 0, 32, 16);
    walker.finish();
    walker.frames_over(2);
    walker.active.stop_animation();
    EXPECT_EQ(walker.frames_over(3), (std::vector<int>{1, 1, 1}));
    walker.active.set_angle(90, 0);
    EXPECT_EQ(walker.active.collision->width, 16);
    PointCollision at_position(walker.active.x, walker.active.y);
    EXPECT_TRUE(collide(&at_position, walker.active.get_collision()));
    walker.active.start_animation();
    EXPECT_EQ(walker.frames_over(2), (std::vector<int>{2, 3}));
}

TEST(ActiveAnimation, ForcingTheCurrentAnimationDoesNotRestartIt)
{
    Walker walker;
    walker.sequence(0, 0, 4, 100);
    walker.sequence(12, 0, 2, 100);
    walker.finish();
    walker.frames_over(3);
    ASSERT_EQ(walker.active.get_frame(), 2);
    walker.active.force_animation(0);
    EXPECT_EQ(walker.active.get_frame(), 2);
    walker.active.force_animation(12);
    EXPECT_TRUE(walker.active.test_animation(12));
    EXPECT_EQ(walker.active.get_frame(), 0);
    EXPECT_EQ(walker.active.get_image(), walker.images[4].get());
}

TEST(ActiveAnimation, UndefinedAnimationIsReportedAndDrawsNothing)
{
    Walker walker;
    walker.sequence(0, 0, 2, 100);
    walker.active.add_direction(3, 0, 0, 100, true, 0);
    walker.finish();
    Image* shown = walker.active.collision->image;

    testing::internal::CaptureStdout();
    walker.active.force_animation(5);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid animation: 5 (Walker)\nInvalid animation: 5\n");
    EXPECT_EQ(walker.active.get_animation(), 5);
    EXPECT_EQ(walker.active.collision->image, shown);

    testing::internal::CaptureStdout();
    walker.active.draw();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid animation: 5\nInvalid image draw (Walker)\n");

    // An animation whose sequence has no pictures.
    testing::internal::CaptureStdout();
    walker.active.force_animation(3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid frame: 0 0 (Walker)\n");
}

TEST(ActiveDirections, SetAndForcedDirectionsPickTheSequence)
{
    Walker walker;
    walker.sequence(0, 0, 1, 0);
    walker.sequence(0, 8, 1, 0);
    walker.sequence(0, 16, 1, 0);
    walker.finish();
    walker.active.set_direction(35);
    EXPECT_EQ(walker.active.get_direction(), 3);
    EXPECT_EQ(walker.active.get_image(), walker.images[0].get());
    EXPECT_TRUE(walker.active.test_directions(1 << 3));
    EXPECT_FALSE(walker.active.test_directions(~(1 << 3)));
    walker.active.set_direction(15);
    EXPECT_EQ(walker.active.get_image(), walker.images[2].get());
    walker.active.force_direction(40);
    EXPECT_EQ(walker.active.get_animation_direction(), 8);
    EXPECT_EQ(walker.active.collision->image, walker.images[1].get());
    // A forced direction wins over later set directions.
    walker.active.set_direction(0);
    EXPECT_EQ(walker.active.get_direction(), 0);
    EXPECT_EQ(walker.active.get_image(), walker.images[1].get());
}

TEST(ActiveTransform, AngleIsReducedIntoZeroToThreeSixty)
{
    const struct {
        double given, stored;
    } cases[] = {{-90, 270}, {720, 0}, {360, 0}, {359.5, 359.5}, {-720.25, 359.75}, {45, 45}};
    for (const auto& c : cases) {
        Walker walker;
        walker.sequence(0, 0, 1, 0, true, 0, 32, 16);
        walker.finish();
        walker.active.set_angle(c.given, 0);
        EXPECT_DOUBLE_EQ(walker.active.get_angle(), c.stored) << c.given;
        EXPECT_DOUBLE_EQ(walker.active.collision->angle, c.stored) << c.given;
    }
}

TEST(ActiveTransform, ActionPointFollowsRotationAndScale)
{
    // 32 x 16 picture, hot spot in the middle (16, 8), action point on the
    // middle of the right edge (32, 8). Positions are truncated after the
    // turn, so where sine or cosine is a hair off zero (180 and 270 degrees)
    // a point may land one pixel from the exact geometric place.
    const struct {
        double angle, scale;
        int action_x, action_y, slack;
    } cases[] = {{0, 1, 16, 0, 0},   {0, 2, 32, 0, 0},    {0, 0.5, 8, 0, 0},
                 {90, 1, 0, -16, 0}, {180, 1, -16, 0, 1}, {270, 1, 0, 16, 1}};
    for (const auto& c : cases) {
        Walker walker;
        walker.sequence(0, 0, 1, 0, true, 0, 32, 16);
        walker.finish();
        walker.active.set_angle(c.angle, 0);
        walker.active.set_scale(c.scale);
        EXPECT_NEAR(walker.active.get_action_x(), 100 + c.action_x, c.slack) << c.angle << " " << c.scale;
        EXPECT_NEAR(walker.active.get_action_y(), 100 + c.action_y, c.slack) << c.angle << " " << c.scale;
    }
}

class PasteFrame : public Frame {
public:
    PasteFrame() : Frame("Test", 800, 512, Color(), 0, nullptr) { add_layer(1, 1, true); }
    ~PasteFrame() { on_end(); }
};

TEST(ActivePaste, PastesTheWholeCurrentImageAtItsHotSpotUnturned)
{
    PasteFrame frame;
    AnimationMap animations;
    auto picture = make_image(10, 6, 3, 2, opaque);
    Active* active = new Active("Stamp", 40, 50, 9);
    active->animations = &animations;
    active->add_direction(0, 0, 0, 0, true, 0);
    active->add_image(0, 0, picture.get());
    active->initialize_animations();
    active->initialize_active();
    frame.add_object(active, 0);
    active->set_angle(90, 0);
    active->set_scale(2);
    active->paste(1);

    Background* back = frame.layers[0]->back;
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->items.size(), 1u);
    const BackgroundItem& item = back->items[0];
    EXPECT_EQ(item.image, picture.get());
    EXPECT_EQ(item.x, 37);
    EXPECT_EQ(item.y, 48);
    EXPECT_EQ(item.src_x, 0);
    EXPECT_EQ(item.src_y, 0);
    EXPECT_EQ(item.width, 10);
    EXPECT_EQ(item.height, 6);
    EXPECT_EQ(item.collision_type, 1);
    // The pasted obstacle is what the active now stands on.
    EXPECT_TRUE(active->overlaps_background());
    active->destroying = true;
    EXPECT_FALSE(active->overlaps_background());
}

} // namespace
