#include "ini/ini_parser.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

// The section name lives in a fixed buffer with its terminator, so a longer
// name is known by its first 49 bytes.
const size_t SECTION_SIZE = 50;

bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

} // namespace

char* rstrip(char* s)
{
    char* end = s + std::strlen(s);
    while (end > s && is_space(end[-1]))
        *--end = '\0';
    return s;
}

char* lskip(char* s)
{
    while (*s && is_space(*s))
        ++s;
    return s;
}

char* find_char_or_comment(char* s, char c)
{
    bool after_space = false;
    while (*s && *s != c && !(after_space && *s == ';')) {
        after_space = is_space(*s);
        ++s;
    }
    return s;
}

char* strncpy0(char* dest, const char* src, size_t size)
{
    if (size == 0)
        return dest;
    size_t length = 0;
    while (length < size - 1 && src[length] != '\0')
        length++;
    std::memcpy(dest, src, length);
    dest[length] = '\0';
    return dest;
}

namespace {

// Parses one line in place; false if the line is bad.
bool parse_line(char* line, char* section, INIHandler handler, void* user)
{
    char* start = lskip(rstrip(line));
    if (*start == ';' || *start == '#' || *start == '\0')
        return true;
    if (*start == '[') {
        char* end = find_char_or_comment(start + 1, ']');
        if (*end != ']')
            return false;
        *end = '\0';
        strncpy0(section, start + 1, SECTION_SIZE);
        return true;
    }
    char* end = find_char_or_comment(start, '=');
    if (*end != '=')
        end = find_char_or_comment(start, ':');
    if (*end != '=' && *end != ':')
        return false;
    *end = '\0';
    char* name = rstrip(start);
    char* value = lskip(end + 1);
    char* comment = find_char_or_comment(value, '\0');
    if (*comment == ';')
        *comment = '\0';
    rstrip(value);
    return handler(user, section, name, value) != 0;
}

} // namespace

int ini_parse_stream(std::istream& in, INIHandler handler, void* user)
{
    char section[SECTION_SIZE] = "";
    std::string line;
    int line_number = 0;
    int error = 0;
    while (std::getline(in, line)) {
        ++line_number;
        size_t skip = 0;
        if (line_number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            skip = 3;
        // The handler takes C strings, so a line holding a zero byte is read
        // only up to it. The rest of such a line is lost, so the line still
        // counts as bad and the load names it; the text before the zero byte
        // is applied like any other line.
        bool cut = line.find('\0', skip) != std::string::npos;
        bool good = parse_line(&line[skip], section, handler, user);
        if ((!good || cut) && error == 0)
            error = line_number;
    }
    return error;
}

int ini_parse_file(const std::string& path, INIHandler handler, void* user)
{
    // Opening a folder succeeds on Linux and only the reads fail, which would
    // look like an empty file; treat it as a file that cannot be opened.
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return -1;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return -1;
    return ini_parse_stream(in, handler, user);
}

int ini_parse_string(const std::string& text, INIHandler handler, void* user)
{
    std::istringstream in(text);
    return ini_parse_stream(in, handler, user);
}
