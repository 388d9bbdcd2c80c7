#include "platform/strings.h"

#include <cctype>
#include <sstream>

std::string to_lower(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string uppercase_string(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

int string_find(const std::string& s, const std::string& sub, int start)
{
    if (start < 0)
        start = 0;
    size_t pos = s.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int string_size(const std::string& s) { return static_cast<int>(s.size()); }

std::string mid_string(const std::string& s, int start, int length)
{
    if (start < 0)
        start = 0;
    if (static_cast<size_t>(start) > s.size() || length <= 0)
        return "";
    return s.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

std::string left_string(const std::string& s, int count)
{
    if (count <= 0)
        return "";
    return s.substr(0, static_cast<size_t>(count));
}

std::string number_to_string(double value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string number_to_string(int value) { return std::to_string(value); }

std::string number_to_string(long value) { return std::to_string(value); }

double string_to_double(const std::string& s, double fallback)
{
    std::istringstream in(s);
    in.imbue(std::locale::classic());
    double value;
    if (!(in >> value))
        return fallback;
    return value;
}

void split_string(const std::string& s, const std::string& delimiters, std::vector<std::string>& out)
{
    size_t pos = s.find_first_not_of(delimiters);
    while (pos != std::string::npos) {
        size_t end = s.find_first_of(delimiters, pos);
        out.push_back(s.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        if (end == std::string::npos)
            break;
        pos = s.find_first_not_of(delimiters, end);
    }
}

void split_string(const std::string& s, char delimiter, std::vector<std::string>& out)
{
    size_t start = 0;
    while (start < s.size()) {
        size_t end = s.find(delimiter, start);
        if (end == std::string::npos) {
            out.push_back(s.substr(start));
            return;
        }
        out.push_back(s.substr(start, end - start));
        start = end + 1;
    }
}
