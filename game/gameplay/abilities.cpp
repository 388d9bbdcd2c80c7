// The abilities in force: the base abilities of the world, overwritten by
// every power whose conditions the inventory meets. Recomputed each time
// control comes back to the player, never in between.
#include "gameplay/frame5.h"
#include "gameplay/player_types.h"
#include "ini/ini.h"

#include <cmath>
#include <string>

namespace {
INI* ini_instance(Frame5& frame, int type_id) { return static_cast<INI*>(frame.get_instance(type_id)); }
} // namespace

double Frame5::ability(const std::string& key)
{
    return ini_instance(*this, type_id::ModifiedAbilities_123)->get_value("General", key, 0);
}

void Frame5::copy_base_abilities()
{
    INI* modified = ini_instance(*this, type_id::ModifiedAbilities_123);
    modified->load_string(ini_instance(*this, type_id::AbilitiesIni_26)->as_string(), false);
    modified->set_group("General", false);
}

void Frame5::recompute_abilities()
{
    // Fires on the first tick of each stretch in which the player group
    // runs, and on the first tick after the frame started again.
    if (player_group_came_on.fire(*this))
        abilities_recompute_requested = true;
    if (!abilities_recompute_requested)
        return;

    copy_base_abilities();
    abilities_recompute_running = true;
    INI* conditions = ini_instance(*this, type_id::PowerConditionsIni_27);
    run_loop("Check Power Conditions Group", conditions->get_group_count(),
             [this] { loop_check_power_conditions_group(); });
    abilities_recompute_running = false;
    abilities_recompute_requested = false;
}

void Frame5::loop_check_power_conditions_group()
{
    if (!abilities_recompute_running)
        return;
    INI* conditions = ini_instance(*this, type_id::PowerConditionsIni_27);
    conditions->set_group(conditions->get_group_name(get_loop_index("Check Power Conditions Group")), false);
    power_applies = true;
    run_loop("Test Power Condition", -1, [this] { loop_test_power_condition(); });
}

void Frame5::loop_test_power_condition()
{
    if (!power_applies) {
        stop_loop("Test Power Condition");
        return;
    }
    INI* conditions = ini_instance(*this, type_id::PowerConditionsIni_27);
    const std::string condition = "Condition " + std::to_string(get_loop_index("Test Power Condition"));

    // The numbering ends at the first missing item: every condition held.
    if (!conditions->has_item(condition + " Item")) {
        double clear = std::trunc(conditions->get_value("Clear Abilities", 0));
        run_loop("Reset Abilities", clear > 0 ? static_cast<int>(clear) : 0, [this] { loop_reset_abilities(); });
        INI* powers = ini_instance(*this, type_id::PowersIni_28);
        const std::string power = conditions->get_string("Power", "");
        powers->set_group(power, false);
        // A power missing from the powers file grants nothing; looking it up
        // must not add an empty group to the shared document.
        int items = powers->has_group(power) ? powers->get_item_count(power) : 0;
        run_loop("Apply This Power to Abilities", items, [this] { loop_apply_this_power_to_abilities(); });
        stop_loop("Test Power Condition");
        power_applies = false;
        return;
    }

    const std::string check = conditions->get_string(condition + " Check", "");
    const std::string held = ini_instance(*this, type_id::SavegameIni_85)
                                 ->get_string("Player", conditions->get_string(condition + " Item", ""), "");
    if ((check == "Equipped" && held != "Equipped") || (check == "Owned" && held.empty())) {
        stop_loop("Test Power Condition");
        power_applies = false;
    }
}

void Frame5::loop_reset_abilities() { copy_base_abilities(); }

void Frame5::loop_apply_this_power_to_abilities()
{
    INI* powers = ini_instance(*this, type_id::PowersIni_28);
    int k = get_loop_index("Apply This Power to Abilities");
    ini_instance(*this, type_id::ModifiedAbilities_123)
        ->set_value("General", powers->get_item_name(k), 0, powers->get_value_index(k));
}
