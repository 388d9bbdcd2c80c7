#pragma once

#include "shader/glsl_shader.h"
#include "shader/shader.h"

// The effects objects can be drawn with, one shared instance of each.

// Grey by luminance.
class MonochromeShader : public GLSLShader {
public:
    MonochromeShader();
};

// Each output channel is a mix of the input channels: uniforms "r", "g" and
// "b" are packed colours giving the weights.
class MixerShader : public GLSLShader {
public:
    int r_location, g_location, b_location;
    MixerShader();
    void initialize_parameters() override;
    void set_parameters(FrameObject* obj) override;
};

// Turns the hue by "fHue" degrees.
class HueShader : public GLSLShader {
public:
    int hue_location;
    HueShader();
    void initialize_parameters() override;
    void set_parameters(FrameObject* obj) override;
};

// Shows the background behind the picture, shifted by the picture's colour
// scaled with "width" and "height" (a refraction-like distortion).
class OffsetShader : public GLSLShader {
public:
    int width_location, height_location;
    OffsetShader();
    void initialize_parameters() override;
    void set_parameters(FrameObject* obj) override;
};

// Blurs the background behind the picture along one axis ("vertical" 0 or 1)
// over "radius" pixels and colour-dodges the picture onto it.
class DodgeBlurShader : public GLSLShader {
public:
    int vertical_location, radius_location;
    DodgeBlurShader();
    void initialize_parameters() override;
    void set_parameters(FrameObject* obj) override;
};

extern SubtractShader* const subtract_shader;
extern AdditiveShader* const additive_shader;
extern MonochromeShader* const monochrome_shader;
extern MixerShader* const mixer_shader;
extern HueShader* const hue_shader;
extern OffsetShader* const offset_shader;
extern DodgeBlurShader* const dodgeblur_shader;
