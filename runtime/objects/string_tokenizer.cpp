#include "objects/string_tokenizer.h"

#include "platform/strings.h"

StringTokenizer::StringTokenizer(const std::string& name, int x, int y, int type_id) : FrameObject(name, x, y, type_id)
{
    create_alterables();
}

void StringTokenizer::split(const std::string& text, const std::string& delimiters)
{
    elements.clear();
    split_string(text, delimiters, elements);
}

const std::string& StringTokenizer::get(int index)
{
    static const std::string empty;
    if (index < 0 || static_cast<size_t>(index) >= elements.size())
        return empty;
    return elements[static_cast<size_t>(index)];
}
