#include "shader/shader.h"

#include <GL/glew.h>

void Shader::begin(FrameObject*, Image*) {}

void Shader::end(FrameObject*) {}

unsigned int Shader::get_background_texture() { return 0; }

void restore_default_blend()
{
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void AdditiveShader::begin(FrameObject*, Image*) { glBlendFunc(GL_SRC_ALPHA, GL_ONE); }

void AdditiveShader::end(FrameObject*) { restore_default_blend(); }

void SubtractShader::begin(FrameObject*, Image*)
{
    glBlendEquationSeparate(GL_FUNC_REVERSE_SUBTRACT, GL_FUNC_ADD);
    glBlendFunc(GL_DST_COLOR, GL_ONE);
}

void SubtractShader::end(FrameObject*) { restore_default_blend(); }
