#pragma once

// An RGBA colour. Packed form: r | g << 8 | b << 16 | a << 24. The event code
// speaks of opacity through the alpha coefficient, 255 - alpha (0 = opaque).
class Color {
public:
    unsigned char r, g, b, a;

    Color();
    Color(int r, int g, int b, int a);
    explicit Color(int packed);

    void set(int r, int g, int b, int a);
    void set(int packed);
    void set_alpha(int alpha);
    int get_int() const;
    void apply() const;
    void set_alpha_coefficient(int coefficient);
    int get_alpha_coefficient() const;
};

unsigned char clamp_color_component(int value);
int make_color_int(int r, int g, int b, int a);
