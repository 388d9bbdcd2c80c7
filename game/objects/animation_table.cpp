#include "objects/animation_table.h"

#include "platform/platform.h"

#include <fstream>
#include <iostream>
#include <sstream>

bool AnimationTable::read(const std::string& path)
{
    types.clear();
    std::ifstream in(convert_path(path));
    if (!in) {
        std::cout << "Animation table missing: " << path << std::endl;
        return false;
    }
    std::string line;
    int line_number = 0;
    while (std::getline(in, line)) {
        line_number++;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string type_name;
        Sequence sequence{};
        int loop = 0;
        bool parsed = static_cast<bool>(fields >> type_name >> sequence.animation >> sequence.direction >>
                                        sequence.min_speed >> sequence.max_speed >> loop >> sequence.back_to);
        for (std::string image; fields >> image;)
            sequence.images.push_back(image);
        // A direction outside the 32 slots or a sequence without pictures
        // would index past what the animation code can hold.
        if (!parsed || sequence.direction < 0 || sequence.direction > 31 || (loop != 0 && loop != 1) ||
            sequence.images.empty() || sequence.back_to < 0 ||
            sequence.back_to >= static_cast<int>(sequence.images.size())) {
            std::cout << "Bad animation table " << path << " at line " << line_number << std::endl;
            types.clear();
            return false;
        }
        sequence.loop = loop == 1;
        types[type_name].push_back(sequence);
    }
    return true;
}

const std::vector<Sequence>& AnimationTable::find(const std::string& type_name) const
{
    static const std::vector<Sequence> none;
    auto it = types.find(type_name);
    return it == types.end() ? none : it->second;
}

AnimationTable& animation_table()
{
    static AnimationTable* table = [] {
        AnimationTable* t = new AnimationTable();
        t->read(get_app_path() + "World/Animations.txt");
        return t;
    }();
    return *table;
}
