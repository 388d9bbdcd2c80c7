#include "frame/event_markers.h"
#include "frame/frame.h"
#include "frame/selection.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A frame whose event routine is whatever the test puts in it.
class ScriptedFrame : public Frame {
public:
    ScriptedFrame(int height = 512) : Frame("Test", 800, height, Color(), 0, nullptr) { add_layer(1, 1, true); }
    ~ScriptedFrame() { on_end(); }
    void handle_events() override
    {
        if (events)
            events();
    }
    std::function<void()> events;
};

class Counter : public FrameObject {
public:
    Counter(int type_id, int* deleted = nullptr) : FrameObject("Counter", 0, 0, type_id), deleted(deleted)
    {
        create_alterables();
    }
    ~Counter() override
    {
        if (deleted)
            ++*deleted;
    }
    void update(float) override { updates++; }
    int updates = 0;
    int* deleted;
};

} // namespace

TEST(Frame, DestroyedInstanceStaysFoundUntilTheEndOfTheTick)
{
    ScriptedFrame frame;
    int deleted = 0;
    Counter* doomed = new Counter(5, &deleted);
    frame.add_object(doomed, 0);
    frame.add_object(new Counter(5), 0);
    size_t seen_after_destroy = 0;
    frame.events = [&] {
        if (frame.tick != 0)
            return;
        doomed->destroy();
        doomed->destroy();
        seen_after_destroy = frame.get_instances(5).size();
    };
    frame.update(1 / 60.0f);
    EXPECT_EQ(seen_after_destroy, 2u);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(frame.get_instances(5).size(), 1u);
    EXPECT_EQ(frame.instances.size(), 1u);
    EXPECT_EQ(frame.layers[0]->instances.size(), 1u);
    EXPECT_EQ(frame.tick, 1u);
    frame.on_end();
}

TEST(Frame, InstanceCreatedByEventsIsFirstUpdatedNextTick)
{
    ScriptedFrame frame;
    Counter* created = nullptr;
    frame.events = [&] {
        if (!created) {
            created = new Counter(1);
            ObjectList selection = frame.create_object(created, 0);
            EXPECT_EQ(selection, ObjectList{created});
        }
    };
    frame.update(0.1f);
    EXPECT_EQ(created->updates, 0);
    frame.update(0.1f);
    EXPECT_EQ(created->updates, 1);
    EXPECT_NEAR(frame.timer, 0.2, 1e-6);
    frame.on_end();
}

TEST(Frame, KeyPressReadsAsPressedOnceForOneTick)
{
    ScriptedFrame frame;
    std::vector<bool> seen;
    frame.events = [&] { seen.push_back(frame.is_key_pressed_once(KEY_ENTER)); };
    frame.on_key(KEY_ENTER, ACTION_PRESS);
    frame.on_key(KEY_ENTER, ACTION_RELEASE);
    frame.on_mouse(1, ACTION_PRESS);
    EXPECT_EQ(frame.last_key, KEY_ENTER);
    EXPECT_TRUE(frame.is_mouse_pressed_once(1));
    frame.update(0);
    frame.update(0);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(frame.last_key, -1);
    EXPECT_FALSE(frame.is_mouse_pressed_once(1));
    EXPECT_FALSE(frame.is_key_pressed_once(-3));
}

TEST(Frame, FastLoopsCountStopAndNest)
{
    ScriptedFrame frame;
    std::vector<int> outer_seen;
    int inner_calls = 0;
    frame.run_loop("Outer", 4, [&] {
        outer_seen.push_back(frame.get_loop_index("Outer"));
        frame.run_loop("Inner", 3, [&] { inner_calls++; });
        if (frame.get_loop_index("Outer") == 2)
            frame.stop_loop("Outer");
    });
    EXPECT_EQ(outer_seen, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(frame.get_loop_index("Outer"), 2);
    EXPECT_EQ(inner_calls, 9);
    EXPECT_EQ(frame.get_loop_index("Never run"), 0);

    int unbounded = 0;
    frame.run_loop("Until", -1, [&] {
        if (++unbounded == 50)
            frame.stop_loop("Until");
    });
    EXPECT_EQ(unbounded, 50);
}

TEST(Frame, OnceMarkersFollowRunsAndTicks)
{
    ScriptedFrame frame;
    OncePerRun once;
    OnceWhileTrue while_true;
    bool condition = true;
    std::vector<int> once_ticks, while_ticks;
    frame.events = [&] {
        if (once.fire(frame))
            once_ticks.push_back(static_cast<int>(frame.tick));
        if (condition && while_true.fire(frame))
            while_ticks.push_back(static_cast<int>(frame.tick));
    };
    for (int t = 0; t < 8; ++t) {
        condition = t != 3 && t != 5;
        frame.update(0);
    }
    EXPECT_EQ(once_ticks, std::vector<int>{0});
    // Held through ticks 0-2, broken at 3, true at 4, broken at 5, true again 6-7.
    EXPECT_EQ(while_ticks, (std::vector<int>{0, 4, 6}));

    frame.on_end();
    frame.add_layer(1, 1, true);
    once_ticks.clear();
    frame.update(0);
    EXPECT_EQ(once_ticks, std::vector<int>{0}) << "fires again in the next run of the frame";
}

TEST(Frame, DisplayCenterClampsOnlyVertically)
{
    ScriptedFrame frame;
    frame.set_display_center(100, -1);
    EXPECT_EQ(frame.off_x, -300);
    frame.set_display_center(-1, 100);
    EXPECT_EQ(frame.off_y, 0);
    EXPECT_EQ(frame.off_x, -300);

    ScriptedFrame menu(3072);
    FrameObject* fixed = new FrameObject("Fixed", 10, 10, 2);
    fixed->scroll = false;
    FrameObject* moving = new FrameObject("Moving", 10, 10, 2);
    menu.add_object(fixed, 0);
    menu.add_object(moving, 0);
    menu.set_display_center(-1, 4000);
    EXPECT_EQ(menu.off_y, 2560);
    EXPECT_EQ(menu.frame_bottom(), 3072);
    EXPECT_EQ(fixed->y, 10 + 2560) << "a screen-fixed instance follows the view";
    EXPECT_EQ(moving->y, 10);
    menu.on_end();
}

TEST(Frame, LevelsAndLayers)
{
    ScriptedFrame frame;
    frame.add_layer(1, 1, true);
    FrameObject* a = new FrameObject("A", 0, 0, 1);
    FrameObject* b = new FrameObject("B", 0, 0, 1);
    FrameObject* c = new FrameObject("C", 0, 0, 1);
    for (FrameObject* obj : {a, b, c})
        frame.add_object(obj, 0);
    c->move_back();
    EXPECT_EQ(frame.layers[0]->instances, (ObjectList{c, a, b}));
    c->move_front();
    EXPECT_EQ(frame.layers[0]->instances, (ObjectList{a, b, c}));
    c->move_back(a);
    EXPECT_EQ(frame.layers[0]->instances, (ObjectList{a, c, b})) << "directly in front of the other";
    b->move_front(a);
    EXPECT_EQ(frame.layers[0]->instances, (ObjectList{b, a, c})) << "takes the other's level";
    b->set_layer(1);
    EXPECT_EQ(b->layer_index, 1);
    EXPECT_EQ(frame.layers[0]->instances, (ObjectList{a, c}));
    EXPECT_EQ(frame.layers[1]->instances, ObjectList{b});
    frame.quit = true;
    frame.on_end();
    EXPECT_FALSE(frame.quit) << "the next run does not end at once";
    EXPECT_TRUE(frame.instances.empty());
    EXPECT_TRUE(frame.layers.empty());
    EXPECT_EQ(frame.run_count, 1);
}

TEST(Frame, GetInstanceOfAMissingTypeSaysSo)
{
    ScriptedFrame frame;
    testing::internal::CaptureStdout();
    EXPECT_EQ(frame.get_instance(42), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fatal error: invalid instance count\n");
    FrameObject* a = new FrameObject("A", 0, 0, 3);
    FrameObject* b = new FrameObject("B", 0, 0, 4);
    frame.add_object(a, 0);
    frame.add_object(b, 0);
    const unsigned int group[] = {4, 3, 0};
    EXPECT_EQ(frame.get_instances(group), (ObjectList{b, a}));
    EXPECT_EQ(frame.get_instance(3), a);
    frame.on_end();
}

TEST(Alterables, OutOfRangeReadsDefaultAndWritesAreIgnored)
{
    AlterableValues values;
    EXPECT_EQ(values.get(26, 5), 5);
    values.set(30, 1);
    values.set(25, 2);
    values.add(25, 3);
    values.sub(0, 1);
    EXPECT_EQ(values.get(25, 0), 5);
    EXPECT_EQ(values.get(0, 0), -1);
    AlterableStrings strings;
    strings.set(10, "lost");
    EXPECT_EQ(strings.get(10, "default"), "default");
    EXPECT_EQ(strings.get(9, "default"), "");

    Globals<double> globals;
    globals.set(4, 1);
    EXPECT_EQ(globals.get(12), 0);
    globals.set(12, 7);
    EXPECT_EQ(globals.size(), 13u);
    EXPECT_EQ(globals.get(11), 0);
    EXPECT_EQ(globals.get(12), 7);
    Globals<std::string> texts;
    EXPECT_EQ(texts.get(3), "");
}

TEST(Selection, SpreadPickAndFixedValues)
{
    FrameObject a("A", 0, 0, 1), b("B", 0, 0, 1), c("C", 0, 0, 1);
    for (FrameObject* obj : {&a, &b, &c})
        obj->create_alterables();
    ObjectList list{&a, &b, &c};
    spread_value(list, 3, 0);
    EXPECT_EQ(a.alterable_values->get(3, -1), 0);
    EXPECT_EQ(b.alterable_values->get(3, -1), 1);
    EXPECT_EQ(c.alterable_values->get(3, -1), 2);

    pick_random(list);
    ASSERT_EQ(list.size(), 1u);
    ObjectList empty;
    pick_random(empty);
    EXPECT_TRUE(empty.empty());

    double fixed = b.get_fixed();
    EXPECT_EQ(get_object_from_fixed(fixed), &b);
    EXPECT_EQ(std::string(b.get_fixed()), std::to_string(reinterpret_cast<uintptr_t>(&b)));
    EXPECT_EQ(make_single_list(&c), ObjectList{&c});
}

TEST(FrameObject, DirectionWrapsAndBlendKeepsOpacity)
{
    FrameObject obj("O", 1, 2, 9);
    obj.set_direction(33);
    EXPECT_EQ(obj.get_direction(), 1);
    obj.set_direction(-1);
    EXPECT_EQ(obj.get_direction(), 31);
    obj.blend_color.set_alpha_coefficient(64);
    obj.set_blend_color(0x123456);
    EXPECT_EQ(obj.blend_color.r, 0x56);
    EXPECT_EQ(obj.blend_color.b, 0x12);
    EXPECT_EQ(obj.blend_color.a, 191);
    EXPECT_EQ(obj.get_shader_parameter("missing"), 0);
    obj.set_shader_parameter("tint", Color(1, 2, 3, 255));
    EXPECT_EQ(obj.get_shader_parameter("tint"), static_cast<double>(Color(1, 2, 3, 255).get_int()));
}
