#pragma once

#include <cstddef>
#include <istream>
#include <string>

// The line parser of the INI text every data file uses. Each name/value line
// goes to the handler with its section; the handler returns 0 to flag the
// line as bad. The parsers return 0, the number of the first bad line, or -1
// when the file cannot be read at all.
using INIHandler = int (*)(void* user, const char* section, const char* name, const char* value);

int ini_parse_stream(std::istream& in, INIHandler handler, void* user);
int ini_parse_file(const std::string& path, INIHandler handler, void* user);
int ini_parse_string(const std::string& text, INIHandler handler, void* user);

// Cuts trailing white space in place and returns `s`.
char* rstrip(char* s);
// The first byte of `s` that is not white space.
char* lskip(char* s);
// The first `c` in `s`, or the first ";" that follows white space (an inline
// comment), or the terminating zero.
char* find_char_or_comment(char* s, char c);
// Copies at most size - 1 bytes and always terminates.
char* strncpy0(char* dest, const char* src, size_t size);
