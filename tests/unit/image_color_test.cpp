#include "image/color.h"

#include <gtest/gtest.h>

TEST(Color, PackedFormTakesTheLowThreeBytesAndIsOpaque)
{
    for (unsigned int top : {0u, 0x7Fu, 0xFFu}) {
        Color c(static_cast<int>(top << 24 | 18u << 16 | 52u << 8 | 86u));
        EXPECT_EQ(c.r, 86);
        EXPECT_EQ(c.g, 52);
        EXPECT_EQ(c.b, 18);
        EXPECT_EQ(c.a, 255);
        unsigned int packed = static_cast<unsigned int>(c.get_int());
        EXPECT_EQ(packed, 255u << 24 | 18u << 16 | 52u << 8 | 86u);
    }
}

TEST(Color, ComponentsAreClamped)
{
    Color c(300, -5, 10, 255);
    EXPECT_EQ(c.r, 255);
    EXPECT_EQ(c.g, 0);
    EXPECT_EQ(c.b, 10);
    EXPECT_EQ(c.a, 255);
    c.set(1, 2, 3, 999);
    EXPECT_EQ(c.a, 255);
    c.set_alpha(-40);
    EXPECT_EQ(c.a, 0);
}

TEST(Color, AlphaCoefficientIsTheInverseOfAlpha)
{
    const struct {
        int coefficient, alpha;
    } cases[] = {{64, 191}, {0, 255}, {255, 0}, {-10, 255}, {400, 0}};
    for (const auto& c : cases) {
        Color color;
        color.set_alpha_coefficient(c.coefficient);
        EXPECT_EQ(color.a, c.alpha) << c.coefficient;
        EXPECT_EQ(color.get_alpha_coefficient(), 255 - c.alpha);
    }
}

TEST(Color, DefaultIsOpaqueWhite) { EXPECT_EQ(static_cast<unsigned int>(Color().get_int()), 0xFFFFFFFFu); }
