#include "frames/frames.h"
#include "support/scenario.h"

#include <gtest/gtest.h>

TEST(FrameTable, EightFramesWithTheirNamesSizesAndColours)
{
    Scenario game(velmora_game());
    Frame** frames = get_frames(&game.manager());
    const struct {
        const char* name;
        int height;
        int shade;
    } expected[8] = {
        {"Initialization", 512, 255}, {"Logotypes", 512, 255},      {"Game Title", 512, 255}, {"Main Menu", 3072, 255},
        {"Gameplay", 512, 0},         {"Jump To Gameplay", 512, 0}, {"Error", 512, 255},      {"Credits", 512, 255},
    };
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frames[i]->name, expected[i].name);
        EXPECT_EQ(frames[i]->index, i);
        EXPECT_EQ(frames[i]->width, 800);
        EXPECT_EQ(frames[i]->height, expected[i].height);
        EXPECT_EQ(frames[i]->background_color.get_int(),
                  Color(expected[i].shade, expected[i].shade, expected[i].shade, 255).get_int());
    }
    EXPECT_EQ(get_frames(&game.manager()), frames) << "built once and reused";
}

TEST(FrameTable, GlobalsStartWithTheirDefaults)
{
    Scenario game(velmora_game());
    const double values[12] = {0, 0, 0, 25, 16, 0, 0, 80, 100, 60, 0, 0};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(game.manager().values->get(i), values[i]) << i;
    EXPECT_EQ(game.manager().strings->get(4), "Tarrowin\\Velmora");
    EXPECT_EQ(game.manager().strings->get(5), "Tarrowin/Velmora");
    EXPECT_EQ(game.manager().strings->get(0), "");
}
