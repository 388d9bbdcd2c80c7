// Texts through the texture font: where the alignment puts the string.
#include "render/render_fixture.h"

#include "font/font.h"
#include "objects/text.h"

#include <cmath>

namespace {

struct Ink {
    int left = 100000, right = -1, top = 100000, bottom = -1;
};

Ink find_ink(const Picture& picture, int x0, int y0, int x1, int y1)
{
    Ink ink;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (picture.at(x, y)[0] > 100) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

struct AlignmentCase {
    int alignment;
    // Where the ink's horizontal middle is expected, as a fraction of the box
    // past its left edge plus a fraction of the ink's own width.
    double box_fraction, ink_fraction;
};

class TextAlignment : public RenderTest, public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(TextAlignment, PlacesTheStringInItsBox)
{
    set_font_path(VELMORA_SOURCE_DIR "/data/Ubuntu-Mono Regular.ttf");
    ASSERT_TRUE(has_font());
    const AlignmentCase& c = GetParam();
    const int x = 100, y = 200, width = 200, height = 20;
    render([&](CanvasFrame& f) {
        Text* text = new Text("Text", x, y, 5);
        text->width = width;
        text->height = height;
        text->alignment = c.alignment;
        text->color = Color(255, 255, 255, 255);
        text->add_line("Velmora");
        f.add_object(text, 0);
    });
    Ink ink = find_ink(picture, 0, 150, 800, 260);
    ASSERT_GE(ink.right, ink.left) << "nothing drawn";
    double ink_width = ink.right + 1 - ink.left;
    double middle = (ink.left + ink.right + 1) / 2.0;
    EXPECT_NEAR(middle, x + c.box_fraction * width + c.ink_fraction * ink_width, 1.5);

    // Vertically centred: the baseline is half a line above the box's middle,
    // one ascender down; a string without descenders ends just above it.
    int baseline = static_cast<int>(y + font_ascender() + height * 0.5 - font_line_height() * 0.5);
    EXPECT_NEAR(ink.bottom, baseline - 1, 1);
}

INSTANTIATE_TEST_SUITE_P(GameAlignments, TextAlignment,
                         ::testing::Values(AlignmentCase{4, 0.0, 0.5}, AlignmentCase{6, 1.0, -0.5},
                                           AlignmentCase{7, 0.5, 0.0}),
                         [](const ::testing::TestParamInfo<AlignmentCase>& info) {
                             return "Alignment" + std::to_string(info.param.alignment);
                         });

// A text with line breaks (the error message) is a block of lines, each
// centred on its own, the block centred in the box.
TEST_F(RenderTest, LineBreaksMakeCentredLines)
{
    set_font_path(VELMORA_SOURCE_DIR "/data/Ubuntu-Mono Regular.ttf");
    ASSERT_TRUE(has_font());
    const int x = 0, y = 0, width = 800, height = 512;
    render([&](CanvasFrame& f) {
        Text* text = new Text("Text", x, y, 5);
        text->width = width;
        text->height = height;
        text->alignment = 7;
        text->color = Color(255, 255, 255, 255);
        text->add_line("Error: World not found!\r\n\r\nPress Enter");
        f.add_object(text, 0);
    });
    float line = font_line_height();
    int top_baseline = static_cast<int>(font_ascender() + height * 0.5 - line * 1.5);
    Ink first = find_ink(picture, 0, 0, 800, top_baseline + 4);
    Ink last = find_ink(picture, 0, top_baseline + static_cast<int>(line), 800, 512);
    ASSERT_GE(first.right, first.left) << "first line missing";
    ASSERT_GE(last.right, last.left) << "last line missing";
    EXPECT_NEAR((first.left + first.right + 1) / 2.0, 400, 1.5);
    EXPECT_NEAR((last.left + last.right + 1) / 2.0, 400, 1.5);
    EXPECT_GT(first.right - first.left, last.right - last.left) << "each line is measured on its own";
    EXPECT_NEAR(last.bottom - first.bottom, 2 * line, 2) << "the empty middle line keeps its height";
}

} // namespace
