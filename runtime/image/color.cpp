#include "image/color.h"

#include <GL/glew.h>

unsigned char clamp_color_component(int value)
{
    if (value < 0)
        return 0;
    if (value > 255)
        return 255;
    return static_cast<unsigned char>(value);
}

int make_color_int(int r, int g, int b, int a)
{
    unsigned int packed = static_cast<unsigned int>(r & 0xFF) | static_cast<unsigned int>(g & 0xFF) << 8 |
                          static_cast<unsigned int>(b & 0xFF) << 16 | static_cast<unsigned int>(a & 0xFF) << 24;
    return static_cast<int>(packed);
}

Color::Color() : r(255), g(255), b(255), a(255) {}

Color::Color(int r, int g, int b, int a) { set(r, g, b, a); }

Color::Color(int packed) { set(packed); }

void Color::set(int red, int green, int blue, int alpha)
{
    r = clamp_color_component(red);
    g = clamp_color_component(green);
    b = clamp_color_component(blue);
    a = clamp_color_component(alpha);
}

void Color::set(int packed)
{
    r = static_cast<unsigned char>(packed & 0xFF);
    g = static_cast<unsigned char>((packed >> 8) & 0xFF);
    b = static_cast<unsigned char>((packed >> 16) & 0xFF);
    a = 255;
}

void Color::set_alpha(int alpha) { a = clamp_color_component(alpha); }

int Color::get_int() const { return make_color_int(r, g, b, a); }

void Color::apply() const { glColor4ub(r, g, b, a); }

void Color::set_alpha_coefficient(int coefficient) { set_alpha(255 - coefficient); }

int Color::get_alpha_coefficient() const { return 255 - a; }
