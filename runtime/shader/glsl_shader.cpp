#include "shader/glsl_shader.h"

#include "frame/frame_object.h"
#include "image/image.h"
#include "platform/platform.h"
#include "shader/background_snapshot.h"

#include <GL/glew.h>

#include <iostream>
#include <vector>

namespace {

std::string shader_path = ".";

std::string info_log(unsigned int name, bool is_program)
{
    int length = 0;
    if (is_program)
        glGetProgramiv(name, GL_INFO_LOG_LENGTH, &length);
    else
        glGetShaderiv(name, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0)
        return std::string();
    std::vector<char> log(length);
    if (is_program)
        glGetProgramInfoLog(name, length, nullptr, log.data());
    else
        glGetShaderInfoLog(name, length, nullptr, log.data());
    return std::string(log.data());
}

} // namespace

void set_shader_path(const std::string& path) { shader_path = path; }

const std::string& get_shader_path() { return shader_path; }

void unpack_color_parameter(double value, float out[4])
{
    // Packed colours with alpha 255 do not fit a signed 32-bit integer;
    // they are kept as doubles and read back as unsigned.
    unsigned int c = static_cast<unsigned int>(static_cast<long long>(value));
    out[0] = (c & 255) / 255.0f;
    out[1] = ((c >> 8) & 255) / 255.0f;
    out[2] = ((c >> 16) & 255) / 255.0f;
    out[3] = (c >> 24) / 255.0f;
}

GLSLShader::GLSLShader(const std::string& stem, bool use_background)
    : program(0), texture_size_location(-1), stem(stem), ready(false), use_background(use_background)
{
}

void GLSLShader::initialize_parameters() {}

void GLSLShader::set_parameters(FrameObject*) {}

unsigned int GLSLShader::attach_source(const std::string& extension, unsigned int kind)
{
    char* data = nullptr;
    size_t size = 0;
    read_file(shader_path + "/" + stem + "." + extension, &data, &size, true);
    unsigned int shader = glCreateShader(kind);
    // A missing file compiles as an empty source, which fails and says so.
    const char* source = data ? data : "";
    int length = static_cast<int>(size);
    glShaderSource(shader, 1, &source, &length);
    glCompileShader(shader);
    delete[] data;
    int compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled)
        glAttachShader(program, shader);
    else
        std::cout << "Compile error in " << kind << ":" << std::endl << info_log(shader, false) << std::endl;
    return shader;
}

void GLSLShader::initialize()
{
    program = glCreateProgram();
    unsigned int vertex = attach_source("vert", GL_VERTEX_SHADER);
    unsigned int fragment = attach_source("frag", GL_FRAGMENT_SHADER);
    glLinkProgram(program);
    int linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked)
        std::cout << "Linker failure: " << info_log(program, true) << std::endl;
    glDetachShader(program, vertex);
    glDetachShader(program, fragment);
    glDeleteShader(vertex);
    glDeleteShader(fragment);

    if (use_background && !background_initialized)
        initialize_background();

    glUseProgram(program);
    glUniform1i(get_uniform("texture"), 0);
    if (use_background) {
        glUniform1i(get_uniform("background_texture"), 1);
        texture_size_location = get_uniform("texture_size");
    }
    glUseProgram(0);
    initialize_parameters();
    ready = true;
}

int GLSLShader::get_uniform(const char* name) { return glGetUniformLocation(program, name); }

void GLSLShader::set_float(FrameObject* obj, const std::string& name, int location)
{
    glUniform1f(location, static_cast<float>(obj->get_shader_parameter(name)));
}

void GLSLShader::set_vec4(FrameObject* obj, const std::string& name, int location)
{
    float components[4];
    unpack_color_parameter(obj->get_shader_parameter(name), components);
    glUniform4fv(location, 1, components);
}

void GLSLShader::begin(FrameObject* obj, Image* image)
{
    if (!ready)
        initialize();
    if (use_background) {
        int box[4];
        obj->get_box(box);
        snapshot_background(box);
    }
    glUseProgram(program);
    if (use_background && image && image->width > 0 && image->height > 0)
        glUniform2f(texture_size_location, 1.0f / image->width, 1.0f / image->height);
    set_parameters(obj);
}

void GLSLShader::end(FrameObject*) { glUseProgram(0); }

unsigned int GLSLShader::get_background_texture() { return use_background ? background_texture : 0; }
