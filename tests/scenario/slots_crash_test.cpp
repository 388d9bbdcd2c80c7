#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "gameplay_world_helpers.h"
#include "ini/ini.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// The child saves the game at the chest again and again, each save with one
// more "Save Count" in the reactions group, and reports every finished save
// through the pipe.
[[noreturn]] void save_forever(const std::string& folder, int report)
{
    GameplayWorld world(1);
    world.save_folder = folder;
    world.enter();
    world.game().run(2);
    Frame5& frame = world.frame();
    INI* savegame = static_cast<INI*>(frame.get_instance(type_id::SavegameIni_85));
    FrameObject* chest = nullptr;
    for (FrameObject* container : live(frame, type_id::ItemContainer_89))
        if (container->alterable_strings->get(0, "") == "Chest")
            chest = container;
    FrameObject* variables = frame.get_instance(type_id::FrameVariables_115);
    for (int count = 1;; count++) {
        savegame->set_value("Reactions", "Save Count", 0, count);
        // A long inventory makes each save long enough to be cut.
        for (int i = 0; i < 200; i++)
            savegame->set_string("Player", "Item " + std::to_string(i), count % 2 ? "Stored" : "Equipped");
        variables->alterable_values->set(0, chest->get_fixed());
        frame.group_container_save = true;
        world.game().run(1);
        char done = 1;
        if (write(report, &done, 1) != 1)
            _exit(1);
    }
}

} // namespace

TEST(SlotCrash, AKilledSaveLeavesTheSlotAsBeforeOrAfter)
{
    TempDir home;
    const std::string slot = home.path + "/saves/Tests - Fixture/Slot 1.ini";
    for (int round = 0; round < 12; round++) {
        int report[2];
        ASSERT_EQ(pipe(report), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(report[0]);
            save_forever(home.path + "/saves/Tests - Fixture", report[1]);
        }
        close(report[1]);
        // Let some saves finish, then kill the child at a varying moment.
        int finished = 0;
        char done;
        while (finished < 3 + round && read(report[0], &done, 1) == 1)
            finished++;
        std::this_thread::sleep_for(std::chrono::microseconds(137 * round));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        while (read(report[0], &done, 1) == 1)
            finished++;
        close(report[0]);

        ASSERT_TRUE(File::file_exists(slot));
        INI loaded("Slot", 0, 0, 0);
        loaded.load_file(slot, true, false, false);
        const int count = static_cast<int>(loaded.get_value("Reactions", "Save Count", -1));
        // Every save the child finished is on the disk; the one it was making
        // is there whole or not at all.
        EXPECT_TRUE(count == finished || count == finished + 1)
            << "round " << round << ": " << count << " after " << finished << " finished saves";
        EXPECT_EQ(loaded.get_value("Position", "X", -1), 7);
        EXPECT_EQ(loaded.get_item_count("Player"), 201) << "Alembic and the 200 items";
        const std::string expected = count % 2 ? "Stored" : "Equipped";
        EXPECT_EQ(loaded.get_string("Player", "Item 199", ""), expected);
    }
}
