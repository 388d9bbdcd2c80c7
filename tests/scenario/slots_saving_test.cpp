#include "frames/globals.h"
#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "gameplay_world_helpers.h"
#include "ini/ini.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

INIDocument read_slot(const std::string& path)
{
    INI slot("Slot", 0, 0, 0);
    slot.load_file(path, true, false, false);
    return slot.document;
}

FrameObject* container_named(Frame& frame, const std::string& name)
{
    for (FrameObject* container : live(frame, type_id::ItemContainer_89))
        if (container->alterable_strings->get(0, "") == name)
            return container;
    return nullptr;
}

// Puts the alchemist on a container and records it as the container at hand,
// as the movement's container contact does.
void touch(GameplayWorld& world, const std::string& name)
{
    Frame& frame = world.frame();
    FrameObject* container = container_named(frame, name);
    ASSERT_NE(container, nullptr) << name;
    frame.get_instance(type_id::TheAlchemist_82)->set_position(container->x, container->y);
    FrameObject* variables = frame.get_instance(type_id::FrameVariables_115);
    variables->alterable_strings->set(0, name);
    variables->alterable_values->set(0, container->get_fixed());
    world.game().run(1);
}

// Counts a save by whether the slot file appeared since the last count.
bool saved(GameplayWorld& world, int slot)
{
    bool written = File::file_exists(world.slot_file(slot));
    std::remove(world.slot_file(slot).c_str());
    return written;
}

} // namespace

TEST(SlotSaving, AHiddenSavepointSavesItsCellOncePerVisit)
{
    GameplayWorld world(1);
    world.enter();
    world.game().run(2);
    Frame& frame = world.frame();
    FrameObject* alchemist = frame.get_instance(type_id::TheAlchemist_82);
    frame.get_instance(type_id::SavegameIni_85);
    alchemist->set_direction(16);
    alchemist->set_position(11 * 32 + 16, 10 * 32 + 16);
    world.game().run(1);
    INIDocument slot = read_slot(world.slot_file(1));
    EXPECT_EQ(slot["Position"]["X Map"], "0");
    EXPECT_EQ(slot["Position"]["Y Map"], "0");
    EXPECT_EQ(slot["Position"]["X"], "11");
    EXPECT_EQ(slot["Position"]["Y"], "10");
    EXPECT_EQ(slot["Position"]["Direction"], "16");
    EXPECT_EQ(slot["Player"]["Alembic"], "Unequipped") << "the whole document is written";
    EXPECT_EQ(slot["Chest"]["Moss"], "Stored");
    EXPECT_TRUE(saved(world, 1));
    EXPECT_TRUE(live(frame, type_id::HiddenSavepoint_129).empty());

    world.game().run(3);
    EXPECT_FALSE(saved(world, 1)) << "the savepoint is gone until the screen is entered again";
    build_screen(world, 0, 0);
    alchemist->set_position(11 * 32 + 16, 10 * 32 + 16);
    world.game().run(1);
    EXPECT_TRUE(saved(world, 1));
}

TEST(SlotSaving, ContainersSaveAtTheFirstTouchOfEachOnAScreen)
{
    GameplayWorld world(3);
    world.enter();
    world.game().run(2);
    Frame& frame = world.frame();
    const struct {
        const char* container;
        bool saves;
    } touches[] = {{"Home", true}, {"Home", false}, {"Chest", true}, {"Home", true}, {"Home", false}};
    for (const auto& t : touches) {
        touch(world, t.container);
        EXPECT_EQ(saved(world, 3), t.saves) << t.container;
    }
    touch(world, "Coffin");
    INIDocument slot = read_slot(world.slot_file(3));
    FrameObject* coffin = container_named(frame, "Coffin");
    EXPECT_EQ(slot["Position"]["X"], "15");
    EXPECT_EQ(slot["Position"]["Y"], "10");
    EXPECT_EQ(slot["Position"]["Direction"], std::to_string(coffin->get_direction()));
    EXPECT_TRUE(saved(world, 3));

    build_screen(world, 0, 0);
    world.game().run(1);
    touch(world, "Home");
    EXPECT_TRUE(saved(world, 3)) << "a new visit saves again at the first touch";
}

TEST(SlotSaving, SlotZeroNeverWrites)
{
    GameplayWorld world(0);
    world.enter();
    world.game().run(2);
    world.frame().get_instance(type_id::TheAlchemist_82)->set_position(11 * 32 + 16, 10 * 32 + 16);
    world.game().run(1);
    touch(world, "Home");
    touch(world, "Chest");
    EXPECT_FALSE(File::file_exists(world.user.path + "/saves"));
    EXPECT_EQ(live(world.frame(), type_id::HiddenSavepoint_129).size(), 1u);
}
