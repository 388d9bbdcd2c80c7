#include "manager/game_manager.h"
#include "platform/platform.h"
#include "support/scenario.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Three frames whose first-tick and per-tick behaviour the test scripts.
class ScriptFrame final : public Frame {
public:
    ScriptFrame(int index, GameManager* manager) : Frame("Script", 800, 512, Color(), index, manager) {}
    void on_start() override
    {
        starts++;
        add_layer(1, 1, true);
    }
    void handle_events() override
    {
        if (events)
            events(*this);
    }
    std::function<void(Frame&)> events;
    int starts = 0;
};

ScriptFrame* script_frames[3];

Frame** get_script_frames(GameManager* manager)
{
    static Frame* table[3];
    for (int i = 0; i < 3; ++i) {
        delete script_frames[i];
        script_frames[i] = new ScriptFrame(i, manager);
        table[i] = script_frames[i];
    }
    return table;
}

// Builds fresh frames whenever a new manager starts its first frame, so
// each test starts from new frames.
Frame** frames_for(GameManager* manager)
{
    static Frame** table = nullptr;
    if (!manager->frame)
        table = get_script_frames(manager);
    return table;
}

int globals_built = 0;

void script_globals(Globals<double>* values, Globals<std::string>* strings)
{
    globals_built++;
    values->set(0, 42);
    strings->set(0, "fresh");
}

const GameDefinition script_game{frames_for, script_globals};

// Frame 0 opens the (headless) window on its first tick, then runs `then`.
void open_window_then(std::function<void(Frame&)> then)
{
    script_frames[0]->events = [then](Frame& f) {
        f.manager->set_window(false);
        if (then)
            then(f);
    };
}

} // namespace

TEST(GameManager, SwitchWinsOverEndingInTheSameTick)
{
    Scenario game(script_game);
    open_window_then([](Frame& f) {
        f.next_frame = 1;
        f.quit = true;
    });
    game.run(1);
    EXPECT_FALSE(game.ended());
    EXPECT_EQ(game.frame().index, 1);
    EXPECT_EQ(script_frames[1]->starts, 1);
    EXPECT_EQ(script_frames[0]->run_count, 1);
    script_frames[1]->events = [](Frame& f) { f.quit = true; };
    game.run(1);
    EXPECT_TRUE(game.ended());
}

TEST(GameManager, RestartRebuildsTheGlobalsAndStartsFrameZero)
{
    Scenario game(script_game);
    open_window_then([](Frame& f) { f.next_frame = 2; });
    game.run(1);
    ASSERT_EQ(game.frame().index, 2);
    game.manager().values->set(0, 7);
    game.manager().strings->set(0, "changed");
    int built_before = globals_built;
    script_frames[0]->events = nullptr;
    script_frames[2]->events = [](Frame& f) { f.restart(); };
    game.run(1);
    EXPECT_EQ(game.frame().index, 0);
    EXPECT_EQ(globals_built, built_before + 1);
    EXPECT_EQ(game.manager().values->get(0), 42);
    EXPECT_EQ(game.frame().strings->get(0), "fresh");
    EXPECT_EQ(script_frames[0]->starts, 2);
}

TEST(GameManager, SwitchingToTheSameFrameEndsAndRestartsIt)
{
    Scenario game(script_game);
    open_window_then([](Frame& f) {
        if (f.run_count == 0)
            f.next_frame = 0;
    });
    game.run(2);
    EXPECT_EQ(script_frames[0]->starts, 2);
    EXPECT_EQ(script_frames[0]->run_count, 1);
}

TEST(GameManager, EndsWhenNoWindowIsOpenAfterAPass)
{
    Scenario game(script_game);
    game.run(5);
    EXPECT_TRUE(game.ended());
    EXPECT_EQ(game.pass(), 1);
}

TEST(GameManager, LimiterWaitsForTheRestOfTheTickOnly)
{
    Scenario game(script_game);
    double work = 0.005;
    open_window_then([&](Frame&) { game.input().advance_time(work); });
    game.run(1);
    double start = game.input().get_time();
    game.run(1);
    EXPECT_NEAR(game.input().get_time() - start, 1.0 / 60, 1e-9) << "a 5 ms pass waits about 11.7 ms";
    work = 0.020;
    start = game.input().get_time();
    game.run(1);
    EXPECT_NEAR(game.input().get_time() - start, 0.020, 1e-9) << "a 20 ms pass does not wait";
    EXPECT_NEAR(game.manager().fps_limit.current_framerate, 60.0, 1e-6);
}

TEST(GameManager, TimingLinesOnTheFirstPassAndEvery200th)
{
    Scenario game(script_game);
    open_window_then(nullptr);
    testing::internal::CaptureStdout();
    game.run(401);
    std::string out = testing::internal::GetCapturedStdout();
    auto count = [&out](const std::string& what) {
        size_t n = 0;
        for (size_t pos = out.find(what); pos != std::string::npos; pos = out.find(what, pos + 1))
            n++;
        return n;
    };
    EXPECT_EQ(count("Framerate: "), 3u);
    EXPECT_EQ(count("Event update took "), 3u);
    EXPECT_EQ(count("Draw took "), 3u);
}

TEST(GameManager, SwitchingPassReportsOnlyTwoLines)
{
    Scenario game(script_game);
    open_window_then([](Frame& f) { f.next_frame = 1; });
    testing::internal::CaptureStdout();
    game.run(1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Framerate: "), std::string::npos);
    EXPECT_NE(out.find("Event update took "), std::string::npos);
    EXPECT_EQ(out.find("Draw took "), std::string::npos);
}

TEST(GameManager, KeysReachTheCurrentFrameOnce)
{
    Scenario game(script_game);
    std::vector<bool> seen;
    open_window_then([&](Frame& f) { seen.push_back(f.is_key_pressed_once(KEY_ENTER)); });
    game.run(1);
    game.tap(KEY_ENTER, 1, 3);
    game.run(4);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_FALSE(is_key_pressed(KEY_ENTER));
}

TEST(PictureFit, KeepsTheAspectRatio)
{
    const struct {
        int w, h, off_x, off_y, x_size, y_size;
    } cases[] = {
        {800, 512, 0, 0, 800, 512},    {1600, 1024, 0, 0, 1600, 1024}, {1920, 1080, 116, 0, 1687, 1080},
        {800, 1000, 0, 244, 800, 512}, {400, 256, 0, 0, 400, 256},
    };
    for (const auto& c : cases) {
        int off_x, off_y, x_size, y_size;
        fit_picture(c.w, c.h, &off_x, &off_y, &x_size, &y_size);
        EXPECT_EQ(off_x, c.off_x) << c.w << "x" << c.h;
        EXPECT_EQ(off_y, c.off_y) << c.w << "x" << c.h;
        EXPECT_EQ(x_size, c.x_size) << c.w << "x" << c.h;
        EXPECT_EQ(y_size, c.y_size) << c.w << "x" << c.h;
    }
}

TEST(GameManager, MouseIsConvertedIntoTheLogicalPicture)
{
    Scenario game(script_game);
    open_window_then(nullptr);
    game.run(1);
    fit_picture(1920, 1080, &game.manager().off_x, &game.manager().off_y, &game.manager().x_size,
                &game.manager().y_size);
    game.input().move_mouse(116, 540);
    game.run(1);
    EXPECT_EQ(game.manager().mouse_x, 0);
    EXPECT_EQ(game.manager().mouse_y, 256);
    int x, y;
    game.frame().off_x = 10;
    game.frame().get_mouse_pos(&x, &y);
    EXPECT_EQ(x, 10);
}
