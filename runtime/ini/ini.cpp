#include "ini/ini.h"

#include "ini/atomic_write.h"
#include "ini/ini_parser.h"
#include "platform/platform.h"
#include "platform/strings.h"

#include <iostream>
#include <iterator>
#include <sstream>

INIStore& INI::global_store()
{
    static INIStore store;
    return store;
}

INI::INI(const std::string& name, int x, int y, int type_id)
    : FrameObject(name, x, y, type_id), read_only(false), auto_save(false)
{
    create_alterables();
}

INI::~INI()
{
    if (!global_key.empty())
        global_store()[global_key] = document;
}

namespace {

// The i-th entry of an ordered map, or nullptr; the walk is linear on purpose
// (the game only walks small groups this way).
template <typename Map> const typename Map::value_type* entry_at(const Map& map, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= map.size())
        return nullptr;
    return &*std::next(map.begin(), index);
}

const std::string* find_value(const INIDocument& document, const std::string& group, const std::string& item)
{
    auto found_group = document.find(group);
    if (found_group == document.end())
        return nullptr;
    auto found_item = found_group->second.find(item);
    return found_item == found_group->second.end() ? nullptr : &found_item->second;
}

const INIGroup::value_type* item_at(const INIDocument& document, const std::string& group, int index)
{
    auto found = document.find(group);
    return found == document.end() ? nullptr : entry_at(found->second, index);
}

} // namespace

void INI::set_group(const std::string& group, bool) { current_group = group; }

std::string INI::get_string(const std::string& group, const std::string& item, const std::string& fallback)
{
    const std::string* value = find_value(document, group, item);
    return value ? *value : fallback;
}

std::string INI::get_string(const std::string& item, const std::string& fallback)
{
    return get_string(current_group, item, fallback);
}

double INI::get_value(const std::string& group, const std::string& item, double fallback)
{
    const std::string* value = find_value(document, group, item);
    return value ? string_to_double(*value, fallback) : fallback;
}

double INI::get_value(const std::string& item, double fallback) { return get_value(current_group, item, fallback); }

void INI::set_string(const std::string& group, const std::string& item, const std::string& value)
{
    document[group][item] = value;
    save_auto();
}

void INI::set_string(const std::string& item, const std::string& value) { set_string(current_group, item, value); }

void INI::set_value(const std::string& group, const std::string& item, int, double number)
{
    set_string(group, item, number_to_string(number));
}

void INI::set_value(const std::string& item, int flag, double number) { set_value(current_group, item, flag, number); }

std::string INI::get_group_name(int index)
{
    auto entry = entry_at(document, index);
    return entry ? entry->first : std::string();
}

std::string INI::get_item_name(const std::string& group, int index)
{
    auto entry = item_at(document, group, index);
    return entry ? entry->first : std::string();
}

std::string INI::get_item_name(int index) { return get_item_name(current_group, index); }

std::string INI::get_string_index(const std::string& group, int index)
{
    auto entry = item_at(document, group, index);
    return entry ? entry->second : std::string();
}

std::string INI::get_string_index(int index) { return get_string_index(current_group, index); }

double INI::get_value_index(const std::string& group, int index)
{
    return string_to_double(get_string_index(group, index), 0.0);
}

double INI::get_value_index(int index) { return get_value_index(current_group, index); }

int INI::get_group_count() { return static_cast<int>(document.size()); }

int INI::get_item_count(const std::string& group) { return static_cast<int>(document[group].size()); }

int INI::get_item_count() { return get_item_count(current_group); }

bool INI::has_group(const std::string& group) { return document.count(group) != 0; }

bool INI::has_item(const std::string& group, const std::string& item)
{
    auto found = document.find(group);
    return found != document.end() && found->second.count(item) != 0;
}

bool INI::has_item(const std::string& item) { return has_item(current_group, item); }

void INI::delete_item(const std::string& group, const std::string& item)
{
    document[group].erase(item);
    save_auto();
}

void INI::delete_item(const std::string& item) { delete_item(current_group, item); }

void INI::reset(bool save)
{
    document.clear();
    if (save)
        save_auto();
}

void INI::sort_group_by_name(const std::string&) {}

int INI::_parse_handler(void* user, const char* section, const char* name, const char* value)
{
    static_cast<INI*>(user)->parse_handler(section, name, value);
    return 1;
}

void INI::parse_handler(const std::string& section, const std::string& name, const std::string& value)
{
    // First occurrence wins: a repeated item keeps its first value, and a
    // merge only adds what is missing.
    document[section].emplace(name, value);
}

void INI::load_file(const std::string& path, bool read_only_flag, bool merge, bool)
{
    read_only = read_only_flag;
    file_name = convert_path(path);
    if (!merge)
        reset(false);
    std::cout << "Loading " << file_name << " (" << name << ")" << std::endl;
    create_directories(file_name);
    int result = ini_parse_file(file_name, _parse_handler, this);
    if (result != 0)
        std::cout << "INI load failed (" << file_name << ") with code " << result << std::endl;
}

void INI::merge_file(const std::string& path, bool flag) { load_file(path, false, true, flag); }

void INI::load_string(const std::string& text, bool merge)
{
    if (!merge)
        reset(false);
    int result = ini_parse_string(text, _parse_handler, this);
    if (result != 0)
        std::cout << "INI load failed with code " << result << std::endl;
}

void INI::get_data(std::ostream& out)
{
    for (const auto& group : document) {
        out << '[' << group.first << "]\n";
        for (const auto& item : group.second)
            out << item.first << '=' << item.second << '\n';
        out << '\n';
    }
}

std::string INI::as_string()
{
    std::ostringstream out;
    get_data(out);
    return out.str();
}

void INI::save_file(const std::string& path, bool force)
{
    if (path.empty() || (read_only && !force))
        return;
    file_name = convert_path(path);
    create_directories(file_name);
    if (!write_file_atomically(file_name, as_string()))
        std::cout << "INI save failed (" << file_name << ")" << std::endl;
}

void INI::save_file(bool force) { save_file(file_name, force); }

void INI::save_auto()
{
    if (auto_save)
        save_file(false);
}

void INI::set_global_data(const std::string& key)
{
    auto found = global_store().find(key);
    document = found != global_store().end() ? found->second : INIDocument();
    global_key = key;
}

void INI::reset_global_data() { global_store().clear(); }
