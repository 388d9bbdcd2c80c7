#pragma once

#include "frame/frame_object.h"

#include <string>
#include <vector>

// Splits a text into the runs of characters between delimiters.
class StringTokenizer : public FrameObject {
public:
    std::vector<std::string> elements;

    StringTokenizer(const std::string& name, int x, int y, int type_id);
    void split(const std::string& text, const std::string& delimiters);
    // Empty for an index past the end.
    const std::string& get(int index);
};
