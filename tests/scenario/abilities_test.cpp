#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "movement_fixture.h"

#include <gtest/gtest.h>

namespace {

const char* base_abilities = "[General]\nY Jump Strength=100\nClimb Power=0\nHang Power=0\n[Other]\nKept=1\n";

struct Case {
    const char* name;
    const char* conditions;
    const char* powers;
    const char* inventory;
    double jump, climb, hang;
};

// Powers.ini used by most cases: each power names a few abilities only.
const char* powers = "[Jump]\nY Jump Strength=300\n[High Jump]\nY Jump Strength=500\nClimb Power=1\n"
                     "[Hang]\nHang Power=1\n[Odd]\nY Jump Strength=fast\n";

class AbilityRules : public testing::TestWithParam<Case> {};

TEST_P(AbilityRules, ModifiedAbilitiesAfterTheFirstRecompute)
{
    const Case& c = GetParam();
    WorldData world;
    world.abilities = base_abilities;
    world.power_conditions = c.conditions;
    world.powers = c.powers;
    world.inventory = c.inventory;
    GameplayTest test(world);
    ASSERT_TRUE(test.frame().group_player);
    INI& modified = test.modified_abilities();
    EXPECT_EQ(modified.current_group, "General");
    EXPECT_EQ(test.frame().ability("Y Jump Strength"), c.jump);
    EXPECT_EQ(test.frame().ability("Climb Power"), c.climb);
    EXPECT_EQ(test.frame().ability("Hang Power"), c.hang);
    EXPECT_EQ(test.frame().ability("Not An Ability"), 0);
    EXPECT_EQ(modified.get_string("Other", "Kept", ""), "1") << "the rest of the base document comes along";
    INI* shared_powers = static_cast<INI*>(test.frame().get_instance(type_id::PowersIni_28));
    EXPECT_FALSE(shared_powers->has_group("Missing")) << "the shared powers stay as loaded";
}

INSTANTIATE_TEST_SUITE_P(
    Powers, AbilityRules,
    testing::Values(
        Case{"NoConditionsFileKeepsTheBase", "", powers, "", 100, 0, 0},
        Case{"GroupWithoutConditionsAlwaysGrants", "[A]\nPower=Hang\n", powers, "", 100, 0, 1},
        Case{"LastGroupByNameWinsWhatBothSet", "[B]\nPower=Jump\n[A]\nPower=High Jump\n", powers, "", 300, 1, 0},
        Case{"ClearAbilitiesDropsEarlierPowers",
             "[A]\nPower=High Jump\n[B]\nPower=Hang\n[C]\nClear Abilities=1\nPower=Jump\n", powers, "", 300, 0, 0},
        Case{"ClearAbilitiesThreeIsLikeOne", "[A]\nPower=High Jump\n[C]\nClear Abilities=3\nPower=Hang\n", powers, "",
             100, 0, 1},
        Case{"ClearAbilitiesBelowOneKeeps", "[A]\nPower=High Jump\n[C]\nClear Abilities=0.5\nPower=Hang\n", powers, "",
             500, 1, 1},
        Case{"OwnedHoldsForAnyValue", "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Owned\nPower=Jump\n", powers,
             "Ring=Stored\n", 300, 0, 0},
        Case{"OwnedFailsWithoutTheItem", "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Owned\nPower=Jump\n", powers,
             "Stone=Equipped\n", 100, 0, 0},
        Case{"EquippedNeedsEquipped", "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Equipped\nPower=Jump\n", powers,
             "Ring=Unequipped\n", 100, 0, 0},
        Case{"EquippedHolds", "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Equipped\nPower=Jump\n", powers,
             "Ring=Equipped\n", 300, 0, 0},
        Case{"OtherCheckAlwaysHolds", "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Maybe\nPower=Jump\n", powers, "",
             300, 0, 0},
        Case{"AllConditionsMustHold",
             "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Owned\nCondition 1 Item=Cup\nCondition 1 "
             "Check=Equipped\nPower=Jump\n",
             powers, "Ring=Stored\nCup=Unequipped\n", 100, 0, 0},
        Case{"NumberingEndsAtTheFirstGap",
             "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Owned\nCondition 2 Item=Cup\nCondition 2 "
             "Check=Owned\nPower=Jump\n",
             powers, "Ring=Stored\n", 300, 0, 0},
        Case{"MissingPowerGrantsNothing", "[A]\nPower=Missing\n", powers, "", 100, 0, 0},
        Case{"NonNumericPowerValueReadsAsZero", "[A]\nPower=Odd\n", powers, "", 0, 0, 0}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(AbilityRecompute, OnlyWhenThePlayerGroupComesBackOn)
{
    WorldData world;
    world.abilities = base_abilities;
    world.power_conditions = "[A]\nCondition 0 Item=Ring\nCondition 0 Check=Equipped\nPower=Jump\n";
    world.powers = powers;
    world.inventory = "Ring=Unequipped\n";
    GameplayTest test(world);
    EXPECT_EQ(test.frame().ability("Y Jump Strength"), 100);

    // Equipping while control stays with the player changes nothing...
    INI* savegame = static_cast<INI*>(test.frame().get_instance(type_id::SavegameIni_85));
    savegame->set_string("Player", "Ring", "Equipped");
    test.tick(5);
    EXPECT_EQ(test.frame().ability("Y Jump Strength"), 100);

    // ...until the player group was off for a tick, as when the item
    // interface closes.
    test.frame().group_player = false;
    test.tick();
    EXPECT_EQ(test.frame().ability("Y Jump Strength"), 100);
    test.frame().group_player = true;
    test.tick();
    EXPECT_EQ(test.frame().ability("Y Jump Strength"), 300);

    savegame->set_string("Player", "Ring", "Unequipped");
    test.frame().group_player = false;
    test.tick();
    test.frame().group_player = true;
    test.tick();
    EXPECT_EQ(test.frame().ability("Y Jump Strength"), 100) << "the power goes at the next recompute";
}

} // namespace
