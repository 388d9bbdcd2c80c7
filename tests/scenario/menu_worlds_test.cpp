// The shipped worlds, as the main menu loads them: every file they name is
// there, their map rows keep all 25 tiles, and their rules name only items,
// containers and powers that exist.
#include "ini/ini.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

class Document {
public:
    INI ini{"Test", 0, 0, 0};
    explicit Document(const std::string& path)
    {
        EXPECT_TRUE(File::file_exists(path)) << path;
        ini.load_file(path, true, false, false);
    }
    void merge(const std::string& path)
    {
        EXPECT_TRUE(File::file_exists(path)) << path;
        ini.merge_file(path, false);
    }
};

void expect_item(INI& items, const std::string& name, const std::string& where)
{
    EXPECT_TRUE(items.has_group(name)) << where << " names the unknown item '" << name << "'";
}

} // namespace

TEST(ShippedWorlds, FilesMapsAndRulesAgree)
{
    const std::string game_dir = VELMORA_GAME_DIR;
    for (const char* world : {"World", "Tutorial"}) {
        SCOPED_TRACE(world);
        const std::string dir = game_dir + "/" + world;
        Document level(dir + "/World.ini");
        INIGroup level_data = level.ini.document["Level Data"];
        EXPECT_FALSE(level_data.empty());
        for (const auto& file : level_data)
            level.merge(dir + "/" + file.second);

        Document items(dir + "/Settings/Items.ini");
        Document containers(dir + "/Settings/Containers.ini");
        Document reactions(dir + "/Settings/Reactions.ini");
        Document conditions(dir + "/Settings/Power Conditions.ini");
        Document powers(dir + "/Settings/Powers.ini");
        Document savegame(dir + "/Settings/Default Savegame.ini");
        Document abilities(dir + "/Settings/Abilities.ini");
        EXPECT_GT(abilities.ini.get_value("General", "Y Jump Strength", 0), 0);

        const std::regex screen_name("-?[0-9]+,-?[0-9]+");
        int screens = 0;
        for (auto& group : level.ini.document) {
            if (!std::regex_match(group.first, screen_name))
                continue;
            screens++;
            for (int row = 0; row < 16; ++row)
                EXPECT_EQ(group.second[std::to_string(row)].size(), 26u) << group.first << " row " << row;
            if (group.second.count("Queue")) {
                EXPECT_TRUE(File::file_exists(dir + "/" + group.second["Queue"])) << group.second["Queue"];
            }
            const std::string playlist = group.second["Playlist"];
            for (const auto& song : level.ini.document[playlist])
                EXPECT_TRUE(File::file_exists(dir + "/" + song.second)) << song.second;
        }
        EXPECT_GE(screens, 2);
        for (const auto& channel : level.ini.document["Ambiance"])
            EXPECT_TRUE(File::file_exists(dir + "/" + channel.second)) << channel.second;
        EXPECT_TRUE(level.ini.has_group("0,0")) << "the default savegame starts there";

        expect_item(items.ini, level.ini.get_string("World", "Win Item", ""), "Win Item");
        EXPECT_TRUE(containers.ini.has_group(level.ini.get_string("World", "Win Container", "")));

        for (const auto& group : savegame.ini.document) {
            if (group.first == "Position")
                continue;
            if (group.first != "Player") {
                EXPECT_TRUE(containers.ini.has_group(group.first)) << group.first;
            }
            for (const auto& item : group.second)
                expect_item(items.ini, item.first, "the default savegame");
        }
        for (auto& reaction : reactions.ini.document) {
            EXPECT_TRUE(containers.ini.has_group(reaction.second["Container"])) << reaction.first;
            for (const auto& key : reaction.second) {
                if (key.first.rfind("Condition ", 0) == 0)
                    expect_item(items.ini, key.second, reaction.first);
                if (key.first.rfind("Action ", 0) == 0)
                    expect_item(items.ini, key.second.substr(1), reaction.first);
            }
        }
        for (auto& condition : conditions.ini.document) {
            EXPECT_TRUE(powers.ini.has_group(condition.second["Power"])) << condition.first;
            for (const auto& key : condition.second)
                if (key.first.size() > 5 && key.first.compare(key.first.size() - 5, 5, " Item") == 0)
                    expect_item(items.ini, key.second, condition.first);
        }
    }
}
