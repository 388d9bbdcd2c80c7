#include "frames/globals.h"
#include "image/image.h"
#include "menu_fixture.h"
#include "objects/active_picture.h"
#include "objects/text.h"
#include "support/png_fixture.h"

#include <gtest/gtest.h>

namespace {

const int main_menu_frame = 3, gameplay_frame = 4, jump_frame = 5, error_frame = 6, credits_frame = 7;
const int error_message_id = 135, credits_id = 136;

ActivePicture* credits(Scenario& game) { return static_cast<ActivePicture*>(game.instance(credits_id)); }

// A world folder holding only a credits picture of the given height.
void write_credits(const TempDir& dir, const std::string& world, int height)
{
    std::vector<unsigned char> rgba(static_cast<size_t>(20 * height) * 4, 200);
    std::vector<unsigned char> png = encode_rgba_png(20, height, rgba);
    dir.write(world + "/Credits.png", std::string(png.begin(), png.end()));
}

// Enters the credits of `world` with credits_after_win at 1, as after a win.
void start_credits(Scenario& game, const std::string& world)
{
    game.run(1);
    game.manager().strings->set(world_path, "./" + world);
    game.manager().values->set(credits_after_win, 1);
    game.manager().set_frame(credits_frame);
}

} // namespace

TEST(ErrorFrame, ShowsTheMessageAndEnterRestartsIntoTheMainMenu)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    game.run(1);
    game.manager().strings->set(error_message, "World not found!");
    game.manager().values->set(map_x, 9);
    game.manager().set_frame(error_frame);
    game.run(1);
    Text* message = static_cast<Text*>(game.instance(error_message_id));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text, "Error: World not found!\r\n\r\nPress Enter to restart or Esc to exit");
    game.run(30);
    EXPECT_EQ(game.frame().index, error_frame) << "it waits for a key";

    game.tap(KEY_ENTER, game.pass());
    ASSERT_TRUE(game.run(1));
    EXPECT_EQ(game.frame().index, 0) << "the restart begins with the Initialization frame";
    EXPECT_EQ(game.manager().strings->get(error_message), "");
    EXPECT_EQ(game.manager().values->get(map_x), 0);
    game.run(1);
    EXPECT_EQ(game.frame().index, main_menu_frame) << "no logos after a restart";
}

TEST(ErrorFrame, EscEndsTheProgram)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    game.run(1);
    game.manager().set_frame(error_frame);
    game.tap(KEY_ESC, game.pass() + 5);
    EXPECT_TRUE(game.run(5));
    EXPECT_FALSE(game.run(1));
    EXPECT_TRUE(game.ended());
}

TEST(JumpToGameplay, LeadsIntoTheGameplayFrameOnItsFirstTick)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    game.run(1);
    game.manager().set_frame(jump_frame);
    game.run(1);
    EXPECT_EQ(game.frame().index, gameplay_frame);
}

TEST(Credits, ScrollUpOnePixelATickUntilTheBottomEdgePassesMinusTen)
{
    MenuGameDir game_dir;
    write_credits(game_dir.dir, "Scroll", 40);
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    start_credits(game, "Scroll");
    ASSERT_EQ(credits(game)->y, 528);

    int left_after = -1;
    for (int tick = 1; tick <= 700; ++tick) {
        game.run(1);
        if (game.frame().index != credits_frame) {
            left_after = tick;
            break;
        }
        ASSERT_EQ(credits(game)->y, 528 - tick);
    }
    // The bottom edge, y + 40, is first below -10 at y = -51.
    EXPECT_EQ(left_after, 528 + 51);
    EXPECT_EQ(game.frame().index, main_menu_frame);
    EXPECT_EQ(game.manager().values->get(credits_after_win), 1) << "after a win the menu opens on its pages";
}

TEST(Credits, EscReturnsToTheMenuWithCreditsAfterWinKept)
{
    MenuGameDir game_dir;
    write_credits(game_dir.dir, "Escape", 40);
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    start_credits(game, "Escape");
    game.run(100);
    ASSERT_EQ(game.frame().index, credits_frame);
    game.tap(KEY_ESC, game.pass());
    game.run(1);
    EXPECT_EQ(game.frame().index, main_menu_frame);
    EXPECT_EQ(game.manager().values->get(credits_after_win), 1);
}

TEST(Credits, AWorldWithoutCreditsGoesBackToTheMenuAtOnce)
{
    MenuGameDir game_dir;
    ScopedWorkingDirectory cwd(game_dir.dir.path);
    Scenario game(velmora_game());
    start_credits(game, "Nowhere");
    game.run(1);
    EXPECT_EQ(game.frame().index, main_menu_frame);
    EXPECT_EQ(game.manager().values->get(credits_after_win), 0) << "nothing shown, so the menu opens as usual";
}

TEST(Credits, TheShippedWorldsHaveTallCreditsThatFitBetweenTheMargins)
{
    for (const char* world : {"World", "Tutorial"}) {
        SCOPED_TRACE(world);
        TempDir dir;
        dir.write("Game.ini", "[General]\nPortable Mode=1\n");
        std::filesystem::create_directory_symlink(std::string(VELMORA_GAME_DIR) + "/" + world, dir.path + "/" + world);
        ScopedWorkingDirectory cwd(dir.path);
        INI::reset_global_data();
        Scenario game(velmora_game());
        start_credits(game, world);
        game.run(1);
        ASSERT_EQ(game.frame().index, credits_frame);
        ASSERT_NE(credits(game)->image, nullptr);
        EXPECT_EQ(credits(game)->image->width, 800 - 2 * 48);
        EXPECT_GT(credits(game)->image->height, 2 * 512);
    }
}
