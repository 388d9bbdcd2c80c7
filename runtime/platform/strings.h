#pragma once

#include <string>
#include <vector>

// Byte-string helpers for the event code; no character-set handling.

std::string to_lower(const std::string& s);
std::string uppercase_string(const std::string& s);
int string_find(const std::string& s, const std::string& sub, int start);
int string_size(const std::string& s);
std::string mid_string(const std::string& s, int start, int length);
std::string left_string(const std::string& s, int count);

// Numbers written as a standard stream writes them by default (six
// significant digits, %g style).
std::string number_to_string(double value);
std::string number_to_string(int value);
std::string number_to_string(long value);
// The number at the start of `s` as a stream reads it, else `fallback`.
double string_to_double(const std::string& s, double fallback);

// Appends the maximal runs of bytes that are not in `delimiters`.
void split_string(const std::string& s, const std::string& delimiters, std::vector<std::string>& out);
// Appends the fields between single-character delimiters the way a line
// reader splits: empty inner fields stay, a trailing delimiter adds nothing.
void split_string(const std::string& s, char delimiter, std::vector<std::string>& out);
