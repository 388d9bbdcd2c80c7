#include "frames/frames.h"
#include "frames/globals.h"
#include "ini/ini.h"
#include "media/media.h"
#include "objects/active.h"
#include "platform/platform.h"
#include "support/scenario.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

// Type ids of the menu objects the tests look at.
const int main_selector = 23, slot_selector = 26, erase_blob = 28, frame_variables = 30, options_selector = 32,
          hold_label = 41, quality_label = 42, fullscreen_label = 43, slot1_label = 44, slot3_label = 46,
          restart_label = 47;

const char* const tiny_world = "[World]\nTitle=Tiny\nAuthor=Tests\n[Level Data]\nMap=Map.ini\n";

// A game directory in a TempDir: Game.ini, a world "Tiny", a tutorial "Tut"
// and the generated pictures of the built game (the blob's erase test is a
// pixel overlap, so the menu needs its real images).
class MenuGame {
public:
    TempDir dir;

    explicit MenuGame(const std::string& world_ini = tiny_world, bool portable = true)
    {
        dir.write("Game.ini", std::string("[General]\nPortable Mode=") + (portable ? "1" : "0") +
                                  "\nDefault World=Tiny\nTutorial World=Tut\n");
        if (!world_ini.empty())
            dir.write("Tiny/World.ini", world_ini);
        dir.write("Tut/World.ini", "[World]\nTitle=Tut\nAuthor=Tests\n");
        std::filesystem::create_directories(dir.path + "/World");
        for (const char* name : {"Sprites.dat", "Images.txt", "Animations.txt", "Sounds"})
            std::filesystem::create_symlink(std::string(VELMORA_GAME_DIR) + "/World/" + name,
                                            dir.path + "/World/" + name);
    }
    std::string save_dir() const { return dir.path + "/Settings/Tests - Tiny"; }
};

// Runs the Initialization frame as after the logos were shown once, so the
// next frame is the main menu, and runs the menu's first tick.
class MenuScenario {
public:
    ScopedWorkingDirectory cwd;
    Scenario game;

    explicit MenuScenario(const MenuGame& game_dir)
        : cwd(game_dir.dir.path), game((INI::reset_global_data(), velmora_game()))
    {
        game.manager().media->set_channel_volume(31, 0);
        game.run(2);
    }
    // A key pressed for one pass (or `hold` passes), then the passes run.
    void press(int key, int hold = 1)
    {
        game.tap(key, game.pass(), hold);
        game.run(hold);
    }
    void press_times(int key, int times)
    {
        for (int i = 0; i < times; ++i) {
            press(key);
            game.run(1);
        }
    }
    int cursor(int selector) { return static_cast<int>(game.value(selector, 0)); }
    Active* active(int id) { return static_cast<Active*>(game.instance(id)); }
    // Vertical centre of the view.
    int view_y() { return game.frame().off_y + 256; }
    double global(int index) { return game.manager().values->get(index); }
    std::string string(int index) { return game.manager().strings->get(index); }
    // From the main menu's start position (Play), onto entry `entry` and in.
    void open_main_entry(int entry)
    {
        press_times(entry > 1 ? KEY_RIGHT : KEY_LEFT, entry > 1 ? entry - 1 : 1 - entry);
        press(KEY_ENTER);
        game.run(1);
    }
};

enum { tutorial_entry = 0, play_entry = 1, erase_entry = 2, options_entry = 3, information_entry = 4 };

std::string read_text(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(MainMenu, CursorsStopAtTheEndsOfEachMenu)
{
    const struct {
        const char* menu;
        int entry;
        int selector;
        int highest;
        int view_y;
    } menus[] = {
        {"main", -1, main_selector, 6, 256},
        {"slot", play_entry, slot_selector, 3, 768},
        {"erase", erase_entry, slot_selector, 3, 768},
        {"options", options_entry, options_selector, 2, 1280},
    };
    for (const auto& m : menus) {
        SCOPED_TRACE(m.menu);
        MenuGame game_dir;
        MenuScenario menu(game_dir);
        if (m.entry >= 0)
            menu.open_main_entry(m.entry);
        EXPECT_EQ(menu.view_y(), m.view_y);
        FrameObject* selector = menu.game.instance(m.selector);
        const double start_x = selector->x - menu.cursor(m.selector) * 100.4;

        menu.press_times(KEY_LEFT, 8);
        EXPECT_EQ(menu.cursor(m.selector), 0);
        EXPECT_NEAR(selector->x, start_x, 1.5);
        menu.press_times(KEY_RIGHT, 9);
        EXPECT_EQ(menu.cursor(m.selector), m.highest);
        EXPECT_NEAR(selector->x, start_x + m.highest * 100.4, 1.5);
    }
}

TEST(MainMenu, EscapeLeadsBackToTheMainMenuAndQuitsFromIt)
{
    for (int entry : {play_entry, erase_entry, options_entry, information_entry}) {
        SCOPED_TRACE(entry);
        MenuGame game_dir;
        MenuScenario menu(game_dir);
        menu.open_main_entry(entry);
        EXPECT_NE(menu.view_y(), 256);
        menu.press(KEY_ESC);
        menu.game.run(1);
        EXPECT_EQ(menu.view_y(), 256);
        EXPECT_EQ(menu.cursor(main_selector), entry) << "the main menu keeps its cursor";
        EXPECT_FALSE(menu.game.ended());
        menu.press(KEY_ESC);
        EXPECT_TRUE(menu.game.ended());
    }
}

TEST(MainMenu, SlotMenuResetsItsCursorOnEachVisit)
{
    MenuGame game_dir;
    MenuScenario menu(game_dir);
    menu.open_main_entry(play_entry);
    menu.press_times(KEY_RIGHT, 3);
    menu.press(KEY_ENTER); // Back
    menu.game.run(1);
    EXPECT_EQ(menu.view_y(), 256);
    menu.press(KEY_ENTER); // Play again
    menu.game.run(1);
    EXPECT_EQ(menu.cursor(slot_selector), 0);
    EXPECT_EQ(menu.game.instance(slot_selector)->x, 248);
}

TEST(MainMenu, InformationPagesStepWithConfirmAndReturnAfterTheLast)
{
    MenuGame game_dir;
    MenuScenario menu(game_dir);
    menu.open_main_entry(information_entry);
    EXPECT_EQ(menu.view_y(), 1792);
    menu.press('A');
    EXPECT_EQ(menu.view_y(), 2304);
    menu.press('S');
    EXPECT_EQ(menu.view_y(), 2816);
    EXPECT_EQ(menu.game.value(frame_variables, 5), 2);
    menu.press(KEY_ENTER);
    menu.game.run(1);
    EXPECT_EQ(menu.view_y(), 256);
}

TEST(MainMenu, MenuSoundsTakeTurnsOverChannels6To22)
{
    MenuGame game_dir;
    MenuScenario menu(game_dir);
    menu.game.manager().values->set(sound_volume, 37);
    Media* media = menu.game.manager().media;
    EXPECT_EQ(menu.game.value(frame_variables, 1), 6);
    // 20 cursor moves: channels 6 to 22 (counted from 1), then 6, 7, 8 again.
    for (int i = 0; i < 20; ++i) {
        int channel = static_cast<int>(menu.game.value(frame_variables, 1));
        EXPECT_EQ(channel, 6 + i % 17) << i;
        menu.press(i % 2 ? KEY_LEFT : KEY_RIGHT);
        EXPECT_EQ(media->get_channel_volume(channel - 1), 37) << "the channel takes the sound volume";
        menu.game.run(1);
    }
    EXPECT_EQ(media->get_channel_volume(22), 100) << "channel 23 is never a menu channel";
}

TEST(EraseMenu, HoldingConfirmForSeventyTicksErasesTheSlot)
{
    const struct {
        const char* what;
        int hold;
        int move_at; // a direction key pressed at this pass of the hold, -1 none
        bool erased;
    } cases[] = {
        {"released after 69 ticks", 69, -1, false},
        {"held for 70 ticks", 70, -1, true},
        {"held longer", 100, -1, true},
        {"Right pressed during the countdown", 100, 30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MenuGame game_dir;
        game_dir.dir.write("Settings/Tests - Tiny/Slot 1.ini", "[Position]\nX=1\n");
        MenuScenario menu(game_dir);
        EXPECT_EQ(menu.active(slot1_label)->get_frame(), 1) << "an existing save";
        menu.open_main_entry(erase_entry);
        menu.game.run(1);
        EXPECT_TRUE(menu.game.instance(hold_label)->visible);

        int start = menu.game.pass();
        menu.game.tap(KEY_ENTER, start, c.hold);
        if (c.move_at >= 0)
            menu.game.tap(KEY_RIGHT, start + c.move_at);
        menu.game.run(c.hold + 1);

        const std::string slot_file = game_dir.save_dir() + "/Slot 1.ini";
        EXPECT_EQ(std::filesystem::exists(slot_file), !c.erased);
        EXPECT_EQ(menu.active(slot1_label)->get_frame(), c.erased ? 0 : 1);
        EXPECT_EQ(menu.game.value(erase_blob, 0), -1) << "the blob is idle again";
        EXPECT_FALSE(menu.game.instance(erase_blob)->visible);
        EXPECT_EQ(menu.cursor(slot_selector), c.move_at >= 0 ? 1 : 0);
    }
}

TEST(EraseMenu, CountdownRunsWhileHeldAndAnEmptySlotIgnoresConfirm)
{
    MenuGame game_dir;
    game_dir.dir.write("Settings/Tests - Tiny/Slot 1.ini", "[Position]\nX=1\n");
    MenuScenario menu(game_dir);
    menu.open_main_entry(erase_entry);
    menu.game.tap(KEY_ENTER, menu.game.pass(), 200);
    menu.game.run(10);
    EXPECT_EQ(menu.game.value(erase_blob, 0), 60);
    EXPECT_TRUE(menu.game.instance(erase_blob)->visible);
    menu.game.run(200);

    // Slot 3 has no file: confirming there starts nothing.
    menu.press_times(KEY_RIGHT, 2);
    EXPECT_FALSE(menu.game.instance(hold_label)->visible);
    menu.press(KEY_ENTER, 5);
    EXPECT_EQ(menu.game.value(erase_blob, 0), -1);
    EXPECT_FALSE(menu.game.instance(erase_blob)->visible);
    EXPECT_EQ(menu.active(slot3_label)->get_frame(), 0);
}

TEST(OptionsMenu, QualityAndFullscreenAreWrittenAtOnce)
{
    const struct {
        bool portable;
        const char* settings_file; // under the game directory, or under HOME
    } cases[] = {{true, "/Settings/Settings.ini"}, {false, "/home/.Tarrowin/Velmora/Settings.ini"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.portable);
        MenuGame game_dir(tiny_world, c.portable);
        std::string old_home = getenv("HOME") ? getenv("HOME") : "";
        setenv("HOME", (game_dir.dir.path + "/home").c_str(), 1);
        const std::string file = game_dir.dir.path + c.settings_file;
        {
            MenuScenario menu(game_dir);
            menu.open_main_entry(options_entry);
            EXPECT_EQ(menu.view_y(), 1280);
            for (int expected : {1, 2, 0, 1}) {
                menu.press(KEY_ENTER);
                EXPECT_NE(read_text(file).find("Quality=" + std::to_string(expected) + "\n"), std::string::npos)
                    << read_text(file);
                EXPECT_EQ(menu.global(quality), expected);
                EXPECT_EQ(menu.active(quality_label)->get_frame(), expected);
                menu.game.run(1);
            }
            EXPECT_FALSE(menu.game.instance(restart_label)->visible);
            menu.press(KEY_RIGHT);
            EXPECT_TRUE(menu.game.instance(restart_label)->visible) << "shown on Fullscreen";
            menu.press(KEY_ENTER);
            EXPECT_NE(read_text(file).find("Fullscreen=1\n"), std::string::npos);
            EXPECT_EQ(menu.active(fullscreen_label)->get_frame(), 1);
            EXPECT_FALSE(menu.game.input().window_fullscreen()) << "the window changes at the next start";
            menu.game.run(1);
            menu.press(KEY_RIGHT);
            EXPECT_FALSE(menu.game.instance(restart_label)->visible);
        }
        setenv("HOME", old_home.c_str(), 1);
    }
}

TEST(MainMenu, WorldChecksLeadToTheErrorFrameOrNameTheSaveFolder)
{
    const struct {
        const char* world_ini; // "" for no World.ini at all
        const char* error;     // "" when the world can be played
        const char* save_folder;
    } cases[] = {
        {"", "World not found!", ""},
        {"[World]\nTitle=A/B\nAuthor=Tests\n", "Illegal characters found in this world's Title or Author strings!", ""},
        {"[World]\nTitle=Tiny\nAuthor=Me?\n", "Illegal characters found in this world's Title or Author strings!", ""},
        {"[World]\nTitle=..\nAuthor=Up\n", "Illegal characters found in this world's Title or Author strings!", ""},
        {"[World]\n", "Illegal characters found in this world's Title or Author strings!", ""},
        {"[World]\nAuthor=X\n", "", "X - No Title"},
        {"[World]\nTitle=Y\n", "", "No Author - Y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.world_ini);
        MenuGame game_dir(c.world_ini);
        MenuScenario menu(game_dir);
        if (*c.error) {
            EXPECT_EQ(menu.game.frame().index, 6);
            EXPECT_EQ(menu.string(error_message), c.error);
        } else {
            EXPECT_EQ(menu.game.frame().index, 3);
            EXPECT_EQ(menu.string(save_path), "./Settings/" + std::string(c.save_folder));
        }
    }
}

TEST(MainMenu, SlotLabelsShowWhichSavesExist)
{
    MenuGame game_dir;
    game_dir.dir.write("Settings/Tests - Tiny/Slot 2.ini", "[Position]\n");
    MenuScenario menu(game_dir);
    EXPECT_EQ(menu.active(slot1_label)->get_frame(), 0);
    EXPECT_EQ(menu.active(slot1_label + 1)->get_frame(), 1);
    EXPECT_EQ(menu.active(slot3_label)->get_frame(), 0);
}

TEST(Loading, NewGameMergesLevelFilesInNameOrderAndLoadsTheRules)
{
    MenuGame game_dir("[World]\nTitle=Tiny\nAuthor=Tests\n"
                      "[Level Data]\nb later=Levels/B.ini\na earlier=Levels/A.ini\n");
    game_dir.dir.write("Tiny/Levels/A.ini", "[0,0]\nText=from A\n[1,0]\nText=only A\n");
    game_dir.dir.write("Tiny/Levels/B.ini", "[0,0]\nText=from B\nQueue=Song.ogg\n[World]\nTitle=Other\n");
    const char* rules[] = {"Items", "Reactions", "Containers", "Abilities", "Power Conditions", "Powers"};
    for (const char* rule : rules)
        game_dir.dir.write(std::string("Tiny/Settings/") + rule + ".ini", std::string("[") + rule + "]\nKey=1\n");

    MenuScenario menu(game_dir);
    menu.open_main_entry(play_entry);
    menu.press_times(KEY_RIGHT, 1);
    menu.press(KEY_ENTER);
    EXPECT_EQ(menu.global(slot_number), 2);
    ASSERT_TRUE(menu.game.run_until([&] { return menu.game.frame().index == 4; }, 120));

    INIDocument& level = INI::global_store()["Level"];
    EXPECT_EQ(level["0,0"]["Text"], "from A") << "the earlier file wins";
    EXPECT_EQ(level["0,0"]["Queue"], "Song.ogg") << "later files still add what is missing";
    EXPECT_EQ(level["1,0"]["Text"], "only A");
    EXPECT_EQ(level["World"]["Title"], "Tiny") << "World.ini comes first";
    for (const char* rule : rules)
        EXPECT_EQ(INI::global_store()[rule][rule]["Key"], "1") << rule;
    EXPECT_EQ(menu.string(world_path), "./Tiny");
    EXPECT_EQ(menu.string(save_path), "./Settings/Tests - Tiny");
}

TEST(Loading, TutorialPlaysWithoutASlot)
{
    MenuGame game_dir;
    MenuScenario menu(game_dir);
    menu.game.manager().values->set(slot_number, 3);
    menu.open_main_entry(tutorial_entry);
    EXPECT_EQ(menu.global(slot_number), 0);
    EXPECT_EQ(menu.string(world_path), "./Tut");
    ASSERT_TRUE(menu.game.run_until([&] { return menu.game.frame().index == 4; }, 120));
    EXPECT_EQ(INI::global_store()["Level"]["World"]["Title"], "Tut");
}

TEST(MainMenu, AfterAWonGameTheMenuOpensOnTheInformationPagesUnlessRestarted)
{
    for (bool restart : {false, true}) {
        SCOPED_TRACE(restart);
        MenuGame game_dir;
        MenuScenario menu(game_dir);
        menu.game.manager().values->set(credits_after_win, 1);
        menu.game.manager().values->set(map_x, 7);
        if (restart)
            menu.game.frame().restart();
        else
            menu.game.frame().next_frame = 3;
        menu.game.run(3);
        EXPECT_EQ(menu.game.frame().index, 3);
        EXPECT_EQ(menu.view_y(), restart ? 256 : 1792);
        EXPECT_EQ(menu.global(map_x), restart ? 0 : 7) << "a restart brings fresh globals";
    }
}

TEST(MainMenu, LinksOpenPagesOfTheBundledAboutFile)
{
    ScopedWorkingDirectory cwd(VELMORA_GAME_DIR);
    const std::string game_dir = std::filesystem::current_path().string();
    for (const char* address : {"Data/About.html#velmora", "Data/About.html#music", "Data/About.html#composer",
                                "Data/About.html#maker", "Data/About.html#community"}) {
        SCOPED_TRACE(address);
        std::string url = link_address(address);
        std::string fragment = std::string(address).substr(std::string(address).find('#') + 1);
        ASSERT_EQ(url.rfind("file:///", 0), 0u);
        std::string file = url.substr(7, url.find('#') - 7);
        EXPECT_EQ(file, game_dir + "/Data/About.html");
        EXPECT_NE(read_text(file).find("id=\"" + fragment + "\""), std::string::npos) << "the page has the anchor";
    }
    EXPECT_EQ(link_address("https://example.org/a b"), "https://example.org/a b") << "web addresses stay as given";
}

TEST(MainMenu, LinkPathsAreEscapedForTheDesktop)
{
    TempDir dir;
    std::filesystem::create_directories(dir.path + "/My Game#1");
    ScopedWorkingDirectory cwd(dir.path + "/My Game#1");
    EXPECT_EQ(link_address("Data/About.html#music"), "file://" +
                                                         std::filesystem::current_path().parent_path().string() +
                                                         "/My%20Game%231/Data/About.html#music");
}
