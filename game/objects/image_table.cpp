#include "objects/image_table.h"

#include "image/image.h"
#include "objects/animation_table.h"
#include "platform/platform.h"

#include <fstream>
#include <iostream>
#include <sstream>

bool ImageTable::read(const std::string& path)
{
    entries.clear();
    names.clear();
    by_name.clear();
    std::ifstream in(convert_path(path));
    if (!in) {
        std::cout << "Image table missing: " << path << std::endl;
        return false;
    }
    std::string line;
    int line_number = 0;
    long previous_offset = -1;
    while (std::getline(in, line)) {
        line_number++;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int index = 0, offset = 0, hotspot_x = 0, hotspot_y = 0, action_x = 0, action_y = 0;
        std::string name, rest;
        bool parsed =
            static_cast<bool>(fields >> index >> name >> offset >> hotspot_x >> hotspot_y >> action_x >> action_y);
        // Entries must come in stream order, each name once, so that index and
        // name lookups agree with the packed file.
        if (!parsed || (fields >> rest) || index != size() || offset <= previous_offset || by_name.count(name)) {
            std::cout << "Bad image table " << path << " at line " << line_number << std::endl;
            entries.clear();
            names.clear();
            by_name.clear();
            return false;
        }
        previous_offset = offset;
        by_name[name] = index;
        names.push_back(name);
        entries.emplace_back(new Image(offset, hotspot_x, hotspot_y, action_x, action_y));
    }
    return true;
}

Image* ImageTable::find(const std::string& name) const
{
    auto it = by_name.find(name);
    return it == by_name.end() ? nullptr : entries[static_cast<size_t>(it->second)].get();
}

Image* ImageTable::at(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return entries[static_cast<size_t>(index)].get();
}

int ImageTable::size() const { return static_cast<int>(entries.size()); }

const std::string& ImageTable::name_of(int index) const { return names.at(static_cast<size_t>(index)); }

ImageTable& image_table()
{
    static ImageTable* table = [] {
        ImageTable* t = new ImageTable();
        t->read(get_app_path() + "World/Images.txt");
        return t;
    }();
    return *table;
}

void preload_images_for(const std::vector<const char*>& type_names)
{
    ImageTable& images = image_table();
    for (const char* type_name : type_names) {
        if (Image* picture = images.find(type_name))
            picture->load();
        for (const Sequence& sequence : animation_table().find(type_name))
            for (const std::string& name : sequence.images)
                if (Image* image = images.find(name))
                    image->load();
    }
}
