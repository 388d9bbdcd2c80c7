#pragma once

#include "frame/frame_object.h"

#include <map>
#include <ostream>
#include <string>

using INIGroup = std::map<std::string, std::string>;
using INIDocument = std::map<std::string, INIGroup>;
using INIStore = std::map<std::string, INIDocument>;

// A whole INI document in memory, ordered by name at both levels. Objects
// with a global key share their document across frames through a
// process-wide store.
class INI : public FrameObject {
public:
    std::string current_group;
    INIDocument document;
    bool read_only;
    bool auto_save;
    std::string file_name;
    std::string global_key;

    // The shared documents by global key; they outlive every frame.
    static INIStore& global_store();

    INI(const std::string& name, int x, int y, int type_id);
    ~INI() override;
    // The base class owns its alterables through plain pointers.
    INI(const INI&) = delete;
    INI& operator=(const INI&) = delete;

    void set_group(const std::string& group, bool flag);
    std::string get_string(const std::string& group, const std::string& item, const std::string& fallback);
    std::string get_string(const std::string& item, const std::string& fallback);
    double get_value(const std::string& group, const std::string& item, double fallback);
    double get_value(const std::string& item, double fallback);
    void set_string(const std::string& group, const std::string& item, const std::string& value);
    void set_string(const std::string& item, const std::string& value);
    void set_value(const std::string& group, const std::string& item, int flag, double number);
    void set_value(const std::string& item, int flag, double number);
    std::string get_group_name(int index);
    std::string get_item_name(const std::string& group, int index);
    std::string get_item_name(int index);
    std::string get_string_index(const std::string& group, int index);
    std::string get_string_index(int index);
    double get_value_index(const std::string& group, int index);
    double get_value_index(int index);
    int get_group_count();
    int get_item_count(const std::string& group);
    int get_item_count();
    bool has_group(const std::string& group);
    bool has_item(const std::string& group, const std::string& item);
    bool has_item(const std::string& item);
    void delete_item(const std::string& group, const std::string& item);
    void delete_item(const std::string& item);
    void reset(bool save);
    void sort_group_by_name(const std::string& group);
    void load_file(const std::string& path, bool read_only, bool merge, bool flag);
    void merge_file(const std::string& path, bool flag);
    void load_string(const std::string& text, bool merge);
    void get_data(std::ostream& out);
    std::string as_string();
    void save_file(const std::string& path, bool force);
    void save_file(bool force);
    void save_auto();
    void set_global_data(const std::string& key);
    static void reset_global_data();

    // The line parser's callback; stores an item unless the document already
    // holds it.
    static int _parse_handler(void* user, const char* section, const char* name, const char* value);
    void parse_handler(const std::string& section, const std::string& name, const std::string& value);
};
