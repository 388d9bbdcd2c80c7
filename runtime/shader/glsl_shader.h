#pragma once

#include "shader/shader.h"

#include <string>

// An effect made of a GLSL vertex and fragment program read from
// <shader path>/<stem>.vert and .frag. The program is built on first use,
// inside a draw, so that objects can be given effects without a GL context.
class GLSLShader : public Shader {
public:
    unsigned int program;
    int texture_size_location;
    std::string stem;
    bool ready;
    bool use_background;

    GLSLShader(const std::string& stem, bool use_background);
    virtual void initialize_parameters();
    virtual void set_parameters(FrameObject* obj);

    void begin(FrameObject* obj, Image* image) override;
    void end(FrameObject* obj) override;
    unsigned int get_background_texture() override;

    void initialize();
    unsigned int attach_source(const std::string& extension, unsigned int kind);
    int get_uniform(const char* name);
    // Send the object's parameter `name` to the uniform at `location`: as a
    // float, or as a packed colour spread over a vec4 of 0..1 components.
    void set_float(FrameObject* obj, const std::string& name, int location);
    void set_vec4(FrameObject* obj, const std::string& name, int location);
};

// The folder the effect sources are read from ("." until set).
void set_shader_path(const std::string& path);
const std::string& get_shader_path();

// The components of a packed colour parameter as a vec4 uniform receives
// them: red, green, blue and alpha, each over 255.
void unpack_color_parameter(double value, float out[4]);
