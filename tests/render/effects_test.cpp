// Draw effects: the two blend modes and the GLSL programs from data/Shaders,
// including the ones that sample what was drawn behind the object.
#include "render/render_fixture.h"

#include "shader/effects.h"

#include <GL/glew.h>

namespace {

void expect_default_blend()
{
    GLint src_rgb, dst_rgb, src_alpha, dst_alpha, equation_rgb, equation_alpha;
    glGetIntegerv(GL_BLEND_SRC_RGB, &src_rgb);
    glGetIntegerv(GL_BLEND_DST_RGB, &dst_rgb);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &src_alpha);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &dst_alpha);
    glGetIntegerv(GL_BLEND_EQUATION_RGB, &equation_rgb);
    glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &equation_alpha);
    EXPECT_EQ(src_rgb, GL_SRC_ALPHA);
    EXPECT_EQ(dst_rgb, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(src_alpha, GL_SRC_ALPHA);
    EXPECT_EQ(dst_alpha, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(equation_rgb, GL_FUNC_ADD);
    EXPECT_EQ(equation_alpha, GL_FUNC_ADD);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

struct BlendCase {
    const char* name;
    Shader* effect;
    int background[3];
    int image[4];
    // What the effect makes of the background and the image (0..1 values).
    float (*combine)(float dst, float src, float src_alpha);
};

float additive(float dst, float src, float a) { return dst + src * a; }
float subtract(float dst, float src, float) { return dst - src * dst; }

class BlendEffect : public RenderTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendEffect, CombinesWithTheBackgroundAndRestoresTheDefaultBlend)
{
    const BlendCase& c = GetParam();
    std::unique_ptr<Image> image = solid_image(8, 8, c.image[0], c.image[1], c.image[2], c.image[3]);
    std::unique_ptr<Image> plain = solid_image(8, 8, 255, 255, 255, 128);
    render([&](CanvasFrame& f) {
        f.background_color = Color(c.background[0], c.background[1], c.background[2], 255);
        ImageObject* with_effect = new ImageObject(image.get(), 100, 100);
        with_effect->set_shader(c.effect);
        f.add_object(with_effect, 0);
        // Drawn after the effect: must blend the ordinary way.
        f.add_object(new ImageObject(plain.get(), 200, 100), 0);
    });
    expect_default_blend();
    int expected[3];
    for (int i = 0; i < 3; i++) {
        float v = c.combine(c.background[i] / 255.0f, c.image[i] / 255.0f, c.image[3] / 255.0f);
        expected[i] = static_cast<int>(std::min(std::max(v, 0.0f), 1.0f) * 255.0f + 0.5f);
    }
    EXPECT_TRUE(color_near(picture.at(103, 103), expected[0], expected[1], expected[2]));
    float a = 128 / 255.0f;
    EXPECT_TRUE(color_near(picture.at(203, 103), static_cast<int>(255 * a + c.background[0] * (1 - a) + 0.5f),
                           static_cast<int>(255 * a + c.background[1] * (1 - a) + 0.5f),
                           static_cast<int>(255 * a + c.background[2] * (1 - a) + 0.5f)));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, BlendEffect,
    ::testing::Values(BlendCase{"Additive", additive_shader, {100, 50, 20}, {100, 100, 240, 128}, additive},
                      BlendCase{"Subtract", subtract_shader, {200, 100, 50}, {128, 255, 0, 255}, subtract}),
    [](const ::testing::TestParamInfo<BlendCase>& info) { return std::string(info.param.name); });

class GlslEffect : public RenderTest {
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        set_shader_path(VELMORA_SOURCE_DIR "/data/Shaders");
    }
};

TEST_F(GlslEffect, ColourParametersReachTheProgramAsUnitComponents)
{
    // The mixer sends the red channel to colour "r": opaque green here, so a
    // red picture comes out green; "g" and "b" are unused by a red picture.
    std::unique_ptr<Image> red = solid_image(8, 8, 255, 0, 0, 255);
    render([&](CanvasFrame& f) {
        ImageObject* mixed = new ImageObject(red.get(), 100, 100);
        mixed->set_shader(mixer_shader);
        mixed->set_shader_parameter("r", Color(0, 255, 0, 255));
        f.add_object(mixed, 0);
        ImageObject* half = new ImageObject(red.get(), 200, 100);
        half->set_shader(mixer_shader);
        half->set_shader_parameter("r", Color(255, 0, 255, 255));
        f.add_object(half, 0);
    });
    EXPECT_TRUE(color_near(picture.at(103, 103), 0, 255, 0));
    EXPECT_TRUE(color_near(picture.at(203, 103), 255, 0, 255));
    float components[4];
    unpack_color_parameter(static_cast<double>(Color(255, 0, 0, 255).get_int()), components);
    EXPECT_EQ(components[0], 1.0f);
    EXPECT_EQ(components[1], 0.0f);
    EXPECT_EQ(components[2], 0.0f);
    EXPECT_EQ(components[3], 1.0f);
}

TEST_F(GlslEffect, EveryEffectBuildsWithoutCompileOrLinkErrors)
{
    std::unique_ptr<Image> image = solid_image(8, 8, 200, 100, 50, 255);
    GLSLShader* effects[] = {monochrome_shader, mixer_shader, hue_shader, offset_shader, dodgeblur_shader};
    ::testing::internal::CaptureStdout();
    render([&](CanvasFrame& f) {
        int x = 10;
        for (GLSLShader* effect : effects) {
            ImageObject* object = new ImageObject(image.get(), x, 10);
            object->set_shader(effect);
            f.add_object(object, 0);
            x += 20;
        }
    });
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "");
    for (GLSLShader* effect : effects) {
        EXPECT_TRUE(effect->ready) << effect->stem;
        GLint linked = 0;
        glGetProgramiv(effect->program, GL_LINK_STATUS, &linked);
        EXPECT_TRUE(linked) << effect->stem;
    }
    // Monochrome: the luminance of the colour.
    int grey = static_cast<int>(0.299f * 200 + 0.587f * 100 + 0.114f * 50 + 0.5f);
    EXPECT_TRUE(color_near(picture.at(13, 13), grey, grey, grey));
    // Hue turned by 0 degrees leaves the colour.
    EXPECT_TRUE(color_near(picture.at(53, 13), 200, 100, 50));
}

// The offset effect shows the background shifted by "width" and "height"
// picture pixels when the picture is full red and green. The background is
// a pasted gradient whose red is x and whose green is y, so the shifted
// pixel says exactly where it was read from.
TEST_F(GlslEffect, OffsetShowsTheBackgroundShiftedByEachObjectsOwnParameters)
{
    std::vector<unsigned char> gradient;
    for (int y = 0; y < 512; y++)
        for (int x = 0; x < 800; x++)
            gradient.insert(gradient.end(),
                            {static_cast<unsigned char>(x & 255), static_cast<unsigned char>(y & 255), 0, 255});
    std::unique_ptr<Image> behind = make_image(800, 512, gradient);
    std::unique_ptr<Image> lens = solid_image(16, 16, 255, 255, 0, 255);
    struct Shift {
        int x, y, width, height;
    } shifts[] = {{40, 30, 3, 5}, {140, 60, -4, 2}};
    render([&](CanvasFrame& f) {
        f.layers[0]->paste(behind.get(), 0, 0, 0, 0, 800, 512, 0);
        for (const Shift& s : shifts) {
            ImageObject* object = new ImageObject(lens.get(), s.x, s.y);
            object->set_shader(offset_shader);
            object->set_shader_parameter("width", s.width);
            object->set_shader_parameter("height", s.height);
            f.add_object(object, 0);
        }
    });
    for (const Shift& s : shifts)
        for (int j = 4; j < 12; j += 7)
            for (int i = 4; i < 12; i += 7) {
                int x = s.x + i, y = s.y + j;
                EXPECT_TRUE(color_near(picture.at(x, y), (x + s.width) & 255, (y + s.height) & 255, 0))
                    << "at " << x << ", " << y;
            }
    EXPECT_TRUE(color_near(picture.at(30, 20), 30, 20, 0, 0)) << "the background itself is untouched";
}

} // namespace
