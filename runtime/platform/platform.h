#pragma once

#include <cstddef>
#include <string>

// Operating-system services the game uses: paths, files, web links and the
// live keyboard and mouse state.

std::string get_platform();
std::string get_app_path();
std::string convert_path(const std::string& path);

namespace File {
std::string get_appdata_directory();
bool file_exists(const std::string& path);
void delete_file(const std::string& path);
} // namespace File

void create_directories(const std::string& path);
// Reads a whole file into a new buffer (freed by the caller with delete[]).
// Without `raw` one terminating zero byte follows the data. When the file
// cannot be opened the outputs are left untouched.
void read_file(const std::string& path, char** data, size_t* size, bool raw);
size_t get_file_size(const std::string& path);

// Opens an address with the desktop's handler and waits for it. The address
// goes to the handler as one argument, never through a shell.
void open_url(const std::string& url);
void open_process(const std::string& command, const std::string& arguments, int flags);
void set_cursor_visible(bool visible);

bool is_key_pressed(int key);
bool is_mouse_pressed(int button);
