#include "platform/platform.h"

#include "platform/backend.h"

#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>

extern char** environ;

std::string get_platform() { return "Corvane Linux"; }

std::string get_app_path() { return "./"; }

std::string convert_path(const std::string& path)
{
    std::string out = path;
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

namespace File {

// The home directory: $HOME when it is set, as every desktop program honours
// it (and tests and sandboxes rely on it), else the password database.
std::string get_appdata_directory()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* entry = getpwuid(getuid());
    if (!entry || !entry->pw_dir)
        return "";
    return entry->pw_dir;
}

bool file_exists(const std::string& path)
{
    FILE* fp = std::fopen(convert_path(path).c_str(), "rb");
    if (!fp)
        return false;
    std::fclose(fp);
    return true;
}

void delete_file(const std::string& path)
{
    if (std::remove(convert_path(path).c_str()) != 0)
        std::cout << "Could not remove " << path << std::endl;
}

} // namespace File

void create_directories(const std::string& path)
{
    std::string converted = convert_path(path);
    size_t last = converted.find_last_of('/');
    if (last == std::string::npos)
        return;
    std::string folders = converted.substr(0, last);
    for (size_t pos = 0; pos <= folders.size(); ++pos) {
        if (pos != folders.size() && folders[pos] != '/')
            continue;
        std::string prefix = folders.substr(0, pos);
        if (!prefix.empty() && prefix != ".")
            mkdir(prefix.c_str(), 0755);
    }
}

void read_file(const std::string& path, char** data, size_t* size, bool raw)
{
    std::string converted = convert_path(path);
    FILE* fp = std::fopen(converted.c_str(), "rb");
    struct stat info;
    if (!fp || fstat(fileno(fp), &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fp)
            std::fclose(fp);
        std::cout << "Could not load file " << path << std::endl;
        return;
    }
    size_t length = static_cast<size_t>(info.st_size);
    char* buffer = new char[length + (raw ? 0 : 1)];
    size_t got = std::fread(buffer, 1, length, fp);
    std::fclose(fp);
    if (!raw)
        buffer[got] = 0;
    *data = buffer;
    *size = got;
}

size_t get_file_size(const std::string& path)
{
    struct stat info;
    if (stat(convert_path(path).c_str(), &info) != 0)
        return 0;
    return static_cast<size_t>(info.st_size);
}

void open_url(const std::string& url)
{
    char program[] = "xdg-open";
    std::string address = url;
    char* argv[] = {program, address.data(), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::cout << "Could not open " << url << std::endl;
        return;
    }
    int status;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

void open_process(const std::string&, const std::string&, int) {}

void set_cursor_visible(bool) {}

bool is_key_pressed(int key) { return key >= 0 && platform::backend().is_key_down(key); }

bool is_mouse_pressed(int button) { return button >= 0 && platform::backend().is_mouse_down(button); }
