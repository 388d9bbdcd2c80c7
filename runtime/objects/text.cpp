#include "objects/text.h"

#include "font/font.h"
#include "platform/strings.h"

#include <GL/glew.h>

#include <string>
#include <vector>

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

namespace {

// The lines of a text, split at CR LF or LF.
void split_lines(const std::string& text, std::vector<std::string>& lines)
{
    split_string(text, '\n', lines);
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
}

} // namespace

void Text::draw()
{
    init_font();
    color.apply();
    // A text holding line breaks (the error message does) is drawn as a block
    // of lines, each aligned on its own; the block is placed as one line of
    // its total height would be, so one-line texts sit exactly as before.
    std::vector<std::string> lines;
    split_lines(text, lines);
    float line_height = font_line_height();
    float block_height = line_height * static_cast<float>(lines.size());
    double baseline = y + font_ascender();
    if (alignment & 6)
        baseline += height * 0.5 - block_height * 0.5;
    else if (alignment & 5)
        baseline += line_height;
    for (const std::string& line : lines) {
        float text_width = font_text_width(line);
        double left = x;
        if (alignment & ALIGN_HCENTER)
            left += (width - text_width) * 0.5;
        else if (alignment & ALIGN_RIGHT)
            left += width - text_width;
        glPushMatrix();
        glTranslated(static_cast<int>(left), static_cast<int>(baseline), 0.0);
        // The font draws with y going up; the frame's y goes down.
        glScaled(1.0, -1.0, 1.0);
        font_render(line);
        glPopMatrix();
        baseline += line_height;
    }
}
