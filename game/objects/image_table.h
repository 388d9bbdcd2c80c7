#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class Image;

// The pictures of the packed image file, by entry index and by name, as the
// image table text lists them. Pixels are decoded only on demand.
class ImageTable {
public:
    // Replaces the table with the file's entries. A missing or malformed file
    // leaves the table empty and says so on one line.
    bool read(const std::string& path);
    Image* find(const std::string& name) const;
    Image* at(int index) const;
    int size() const;
    const std::string& name_of(int index) const;

private:
    std::vector<std::unique_ptr<Image>> entries;
    std::vector<std::string> names;
    std::unordered_map<std::string, int> by_name;
};

// The game's table, read from World/Images.txt on first use.
ImageTable& image_table();

// Decodes every picture the given types show: their image sequences, and the
// entry named after the type for backdrops.
void preload_images_for(const std::vector<const char*>& type_names);
