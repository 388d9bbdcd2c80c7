// The real window: the main loop with its timing lines, and the scaling of
// the off-screen picture into a 1920 x 1080 full-screen window. Each runs in
// a fresh process of its own (a process has one window), started by
// gtest's threadsafe death-test machinery; the child prints what failed and
// exits with status 1, or exits with 0.
#include "render/render_fixture.h"

#include "objects/quick_backdrop.h"
#include "platform/backend.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string run_command(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    pclose(pipe);
    return out;
}

void finish_child(const std::string& failures)
{
    std::fflush(stdout);
    if (failures.empty())
        _exit(0);
    std::fprintf(stderr, "%s", failures.c_str());
    _exit(1);
}

int count_lines_starting(const std::string& text, const std::string& prefix, std::string* bad)
{
    std::istringstream in(text);
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.compare(0, prefix.size(), prefix) != 0)
            continue;
        count++;
        std::istringstream number(line.substr(prefix.size()));
        double value;
        if (!(number >> value) || value < 0)
            *bad += "not a number: " + line + "\n";
    }
    return count;
}

// The X window this process owns: title and size as the window system has
// them.
std::string own_window_report()
{
    std::string id = run_command("xdotool search --pid " + std::to_string(getpid()) + " --name '^Velmora$'");
    if (id.empty())
        return "no window titled Velmora";
    id = id.substr(0, id.find('\n'));
    return run_command("xdotool getwindowgeometry " + id);
}

void main_loop_child()
{
    std::string failures;
    ::testing::internal::CaptureStdout();
    GameManager manager(canvas_game());
    global_manager = &manager;
    CanvasFrame& frame = canvas(manager);
    std::string window;
    const unsigned int passes = 401;
    frame.events = [&](CanvasFrame& f) {
        // The game's first frame opens the window from its events, so does this.
        if (f.tick == 0)
            manager.set_window(false);
        if (f.tick == 10)
            window = own_window_report();
        if (f.tick + 1 == passes)
            f.quit = true;
    };
    double start = platform::backend().get_time();
    manager.run();
    double elapsed = platform::backend().get_time() - start;
    std::string out = ::testing::internal::GetCapturedStdout();

    if (!platform::backend().has_gl())
        finish_child("the window did not open\n");
    if (window.find("Geometry: 800x512") == std::string::npos)
        failures += "window: " + window + "\n";
    if (frame.tick != passes)
        failures += "ticks: " + std::to_string(frame.tick) + "\n";
    // Reports on the first pass and every 200th; the last pass ends the
    // program after its update, so it has no draw line.
    std::string bad;
    int framerate = count_lines_starting(out, "Framerate: ", &bad);
    int update = count_lines_starting(out, "Event update took ", &bad);
    int draw = count_lines_starting(out, "Draw took ", &bad);
    failures += bad;
    if (framerate != 3 || update != 3 || draw != 2)
        failures += "timing lines " + std::to_string(framerate) + ", " + std::to_string(update) + ", " +
                    std::to_string(draw) + " in:\n" + out;
    // At 60 passes a second the limiter makes 400 passes last 6.7 s.
    if (elapsed < 6.0)
        failures += "the loop did not wait: " + std::to_string(elapsed) + " s\n";
    finish_child(failures);
}

TEST(Window, MainLoopRunsInTheRealWindowAndReportsItsTimings)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display: render tests run under xvfb-run";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(main_loop_child(), ::testing::ExitedWithCode(0), "");
}

void scaling_child()
{
    GameManager manager(canvas_game());
    global_manager = &manager;
    // Four quadrants of the 800 x 512 picture in four colours.
    canvas(manager).setup = [](CanvasFrame& f) {
        f.add_object(new QuickBackdrop(Color(255, 0, 0, 255), 400, 256, "Red", 0, 0, 1), 0);
        f.add_object(new QuickBackdrop(Color(0, 255, 0, 255), 400, 256, "Green", 400, 0, 1), 0);
        f.add_object(new QuickBackdrop(Color(0, 0, 255, 255), 400, 256, "Blue", 0, 256, 1), 0);
        f.add_object(new QuickBackdrop(Color(255, 255, 255, 255), 400, 256, "White", 400, 256, 1), 0);
    };
    manager.set_frame(0);
    manager.set_window(true);
    if (!platform::backend().has_gl())
        finish_child("the window did not open\n");
    int width = 0, height = 0;
    platform::backend().get_window_size(&width, &height);
    if (width != 1920 || height != 1080)
        finish_child("full-screen window is " + std::to_string(width) + " x " + std::to_string(height) + "\n");

    manager.draw();
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glReadBuffer(GL_BACK);
    Picture window = read_pixels(0, 0, width, height, height);

    std::string failures;
    if (manager.off_x != 116 || manager.off_y != 0 || manager.x_size != 1687 || manager.y_size != 1080)
        failures += "placement " + std::to_string(manager.off_x) + ", " + std::to_string(manager.off_y) + " size " +
                    std::to_string(manager.x_size) + " x " + std::to_string(manager.y_size) + "\n";
    struct Probe {
        int x, y, r, g, b;
    } probes[] = {
        {115, 10, 0, 0, 0},    {116, 10, 255, 0, 0},      {1802, 10, 0, 255, 0},       {1803, 10, 0, 0, 0},
        {115, 1070, 0, 0, 0},  {116, 1079, 0, 0, 255},    {1802, 1079, 255, 255, 255}, {1803, 1070, 0, 0, 0},
        {950, 530, 255, 0, 0}, {970, 530, 0, 255, 0},     // x = 400 at 959.75
        {950, 550, 0, 0, 255}, {970, 550, 255, 255, 255}, // y = 256 at 540
        {0, 0, 0, 0, 0},       {1919, 1079, 0, 0, 0},
    };
    for (const Probe& p : probes) {
        const unsigned char* pixel = window.at(p.x, p.y);
        if (!color_near(pixel, p.r, p.g, p.b, 2))
            failures += "at " + std::to_string(p.x) + ", " + std::to_string(p.y) + ": " +
                        color_near(pixel, p.r, p.g, p.b, 2).message() + "\n";
    }
    if (!failures.empty()) {
        mkdir("render_failures", 0755);
        save_picture(window, "render_failures/Window.ScalesThePictureInto1920x1080.png");
    }
    finish_child(failures);
}

TEST(Window, ScalesThePictureInto1920x1080)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display: render tests run under xvfb-run";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(scaling_child(), ::testing::ExitedWithCode(0), "");
}

} // namespace
