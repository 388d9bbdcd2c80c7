#pragma once

#include "collision/collision.h"
#include "frame/frame_object.h"
#include "image/color.h"

#include <string>
#include <vector>

// A string drawn on one line with the texture font, aligned in the box
// x, y, width, height. Most texts are never shown: they hold paragraphs
// that the event code reads.
class Text : public FrameObject {
public:
    // Horizontal alignment bits; 4 centres vertically.
    static const int ALIGN_HCENTER = 1;
    static const int ALIGN_RIGHT = 2;

    std::vector<std::string> paragraphs;
    std::string text;
    bool has_text;
    Color color;
    int alignment;
    InstanceBox collision;
    bool bold, italic;

    Text(const std::string& name, int x, int y, int type_id);
    void add_line(const std::string& line);
    void set_string(const std::string& s);
    std::string get_paragraph(int index);
    bool get_bold();
    bool get_italic();
    void set_bold(bool value);
    CollisionBase* get_collision() override;
    void draw() override;
};
