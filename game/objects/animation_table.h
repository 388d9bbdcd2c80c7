#pragma once

#include <map>
#include <string>
#include <vector>

// One image sequence of an active type, as the animation table lists it.
struct Sequence {
    int animation;
    int direction;
    int min_speed;
    int max_speed;
    bool loop;
    int back_to;
    std::vector<std::string> images;
};

// The image sequences of every active type, by class name, in file order.
class AnimationTable {
public:
    // Replaces the table with the file's sequences. A missing or malformed
    // file leaves the table empty and says so on one line.
    bool read(const std::string& path);
    // Empty for a type the table does not know.
    const std::vector<Sequence>& find(const std::string& type_name) const;

private:
    std::map<std::string, std::vector<Sequence>> types;
};

// The game's table, read from World/Animations.txt on first use.
AnimationTable& animation_table();
