#pragma once

#include <string>

// A font as an object type describes it. Texts copy bold and italic from it;
// every text is drawn with the one texture font below, whatever the face.
struct Font {
    std::string face;
    int size;
    bool bold, italic, underline;
};

// The one texture font all texts are drawn with. set_font_path loads it from
// a TrueType file unless a font is loaded already (later calls do nothing).
// Loading reads the file only; glyph textures are made when text is drawn.
void set_font_path(const std::string& path);
// Runs once, on the first text draw: loads a fallback font if none was set,
// then sets the size to 12 points at 96 dots per inch.
void init_font();
bool has_font();

// Metrics of the loaded font at its current size, in pixels; all 0 without
// a font.
float font_text_width(const std::string& text);
float font_ascender();
float font_line_height();
// Draws the text with its baseline at the origin, going up the y axis.
void font_render(const std::string& text);
