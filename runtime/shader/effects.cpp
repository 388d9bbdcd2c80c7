#include "shader/effects.h"

MonochromeShader::MonochromeShader() : GLSLShader("monochrome", false) {}

MixerShader::MixerShader() : GLSLShader("colormixer", false), r_location(-1), g_location(-1), b_location(-1) {}

void MixerShader::initialize_parameters()
{
    r_location = get_uniform("r");
    g_location = get_uniform("g");
    b_location = get_uniform("b");
}

void MixerShader::set_parameters(FrameObject* obj)
{
    set_vec4(obj, "r", r_location);
    set_vec4(obj, "g", g_location);
    set_vec4(obj, "b", b_location);
}

HueShader::HueShader() : GLSLShader("hue", false), hue_location(-1) {}

void HueShader::initialize_parameters() { hue_location = get_uniform("fHue"); }

void HueShader::set_parameters(FrameObject* obj) { set_float(obj, "fHue", hue_location); }

OffsetShader::OffsetShader() : GLSLShader("offset", true), width_location(-1), height_location(-1) {}

void OffsetShader::initialize_parameters()
{
    width_location = get_uniform("width");
    height_location = get_uniform("height");
}

void OffsetShader::set_parameters(FrameObject* obj)
{
    set_float(obj, "width", width_location);
    set_float(obj, "height", height_location);
}

DodgeBlurShader::DodgeBlurShader() : GLSLShader("dodgeblur", true), vertical_location(-1), radius_location(-1) {}

void DodgeBlurShader::initialize_parameters()
{
    vertical_location = get_uniform("vertical");
    radius_location = get_uniform("radius");
}

void DodgeBlurShader::set_parameters(FrameObject* obj)
{
    set_float(obj, "vertical", vertical_location);
    set_float(obj, "radius", radius_location);
}

namespace {

SubtractShader subtract_instance;
AdditiveShader additive_instance;
MonochromeShader monochrome_instance;
MixerShader mixer_instance;
HueShader hue_instance;
OffsetShader offset_instance;
DodgeBlurShader dodgeblur_instance;

} // namespace

SubtractShader* const subtract_shader = &subtract_instance;
AdditiveShader* const additive_shader = &additive_instance;
MonochromeShader* const monochrome_shader = &monochrome_instance;
MixerShader* const mixer_shader = &mixer_instance;
HueShader* const hue_shader = &hue_instance;
OffsetShader* const offset_shader = &offset_instance;
DodgeBlurShader* const dodgeblur_shader = &dodgeblur_instance;
