#include "objects/text.h"

#include "font/font.h"

#include <GL/glew.h>

Text::Text(const std::string& name, int x, int y, int type_id)
    : FrameObject(name, x, y, type_id), has_text(false), color(), alignment(0), collision(this), bold(false),
      italic(false)
{
    create_alterables();
}

void Text::add_line(const std::string& line)
{
    paragraphs.push_back(line);
    if (!has_text) {
        has_text = true;
        text = line;
    }
}

void Text::set_string(const std::string& s) { text = s; }

std::string Text::get_paragraph(int index)
{
    if (paragraphs.empty())
        return std::string();
    if (index < 0)
        index = 0;
    if (index >= static_cast<int>(paragraphs.size()))
        index = static_cast<int>(paragraphs.size()) - 1;
    return paragraphs[index];
}

bool Text::get_bold() { return bold; }

bool Text::get_italic() { return italic; }

void Text::set_bold(bool value) { bold = value; }

CollisionBase* Text::get_collision() { return &collision; }

void Text::draw()
{
    init_font();
    color.apply();
    glPushMatrix();
    float text_width = font_text_width(text);
    float line_height = font_line_height();
    double left = x;
    double baseline = y + font_ascender();
    if (alignment & ALIGN_HCENTER)
        left += (width - text_width) * 0.5;
    else if (alignment & ALIGN_RIGHT)
        left += width - text_width;
    // The vertical tests look at more bits than the vertical one; the game's
    // texts (alignments 4, 6 and 7) are all centred by the first.
    if (alignment & 6)
        baseline += height * 0.5 - line_height * 0.5;
    else if (alignment & 5)
        baseline += line_height;
    glTranslated(static_cast<int>(left), static_cast<int>(baseline), 0.0);
    // The font draws with y going up; the frame's y goes down.
    glScaled(1.0, -1.0, 1.0);
    font_render(text);
    glPopMatrix();
}
