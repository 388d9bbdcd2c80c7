#pragma once

#include <string>

class FrameObject;
class Image;

// A draw effect. Effects are shared by every object that uses them; the
// per-object parameters live in FrameObject::shader_parameters. An object's
// image is drawn between begin and end, with the texture from
// get_background_texture (0 for none) on texture unit 1.
class Shader {
public:
    virtual ~Shader() = default;
    virtual void begin(FrameObject* obj, Image* image);
    virtual void end(FrameObject* obj);
    virtual unsigned int get_background_texture();
};

// Adds the picture's colour to what is behind it.
class AdditiveShader : public Shader {
public:
    void begin(FrameObject* obj, Image* image) override;
    void end(FrameObject* obj) override;
};

// Takes the picture's colour, weighted by what is behind it, away from it.
class SubtractShader : public Shader {
public:
    void begin(FrameObject* obj, Image* image) override;
    void end(FrameObject* obj) override;
};

// Puts back the blend state every ordinary draw expects.
void restore_default_blend();
