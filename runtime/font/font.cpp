#include "font/font.h"

#include <FTGL/ftgl.h>

#include <iostream>

namespace {

FTFont* default_font = nullptr;
bool font_initialized = false;

} // namespace

void set_font_path(const std::string& path)
{
    if (default_font)
        return;
    FTFont* font = new FTTextureFont(path.c_str());
    if (font->Error()) {
        std::cout << "Could not load font " << path << std::endl;
        delete font;
        return;
    }
    default_font = font;
}

void init_font()
{
    if (font_initialized)
        return;
    font_initialized = true;
    set_font_path("Arial.ttf");
    if (default_font)
        default_font->FaceSize(12, 96);
}

bool has_font() { return default_font != nullptr; }

float font_text_width(const std::string& text)
{
    if (!default_font)
        return 0.0f;
    FTBBox box = default_font->BBox(text.c_str());
    return box.Upper().Xf() - box.Lower().Xf();
}

float font_ascender() { return default_font ? default_font->Ascender() : 0.0f; }

float font_line_height() { return default_font ? default_font->LineHeight() : 0.0f; }

void font_render(const std::string& text)
{
    if (default_font)
        default_font->Render(text.c_str());
}
