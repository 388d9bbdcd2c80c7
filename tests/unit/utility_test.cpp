#include "objects/string_tokenizer.h"
#include "objects/utility.h"

#include <gtest/gtest.h>

using namespace Utility;

TEST(Utility, RangesAndWrapping)
{
    const struct {
        float got, want;
        const char* what;
    } cases[] = {
        {Limit(5, 10, 0), 5, "Limit(5, 10, 0)"},
        {Limit(-1, 10, 0), 0, "Limit(-1, 10, 0)"},
        {Limit(11, 0, 10), 10, "Limit(11, 0, 10)"},
        {EuclideanMod(-1, 32), 31, "EuclideanMod(-1, 32)"},
        {UberMod(450, 0, 360), 90, "UberMod(450, 0, 360)"},
        {Mirror(12, 0, 10), 8, "Mirror(12, 0, 10)"},
        {Mirror(-3, 0, 10), 3, "Mirror(-3, 0, 10)"},
        {Mirror(13, 10, 0), 7, "Mirror(13, 10, 0)"},
        {Approach(9, 3, 10), 10, "Approach(9, 3, 10)"},
        {Approach(10, 3, 4), 7, "Approach(10, 3, 4)"},
        {Nearest(5, 4, 6), 4, "Nearest tie goes to a"},
        {Normalise(15, 10, 20, false), 0.5f, "Normalise"},
        {Normalise(30, 10, 20, true), 1, "Normalise clamped"},
        {ModifyRange(5, 0, 10, 100, 200, false), 150, "ModifyRange"},
        {Interpolate(2, 0, 10, true), 10, "Interpolate clamped"},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(c.got, c.want) << c.what;
}

TEST(Utility, RoundHalvesAwayFromZero)
{
    EXPECT_EQ(Round(-2.5f), -3);
    EXPECT_EQ(Round(2.5f), 3);
    EXPECT_EQ(Round(2.4f), 2);
    EXPECT_EQ(Round(-0.4f), 0);
    EXPECT_EQ(IntLimit(10.6f, 0, 20), 11);
}

TEST(Utility, Waves)
{
    EXPECT_FLOAT_EQ(Wave(5, 0.25f, 0, 1, 2, 7), 2);
    EXPECT_FLOAT_EQ(Wave(5, 0.75f, 0, 1, 2, 7), 7);
    EXPECT_NEAR(Wave(0, 0.25f, 0, 1, -1, 1), 1, 1e-5);
    EXPECT_NEAR(Wave(1, 0.5f, 0, 1, 0, 10), 0, 1e-4);
    EXPECT_NEAR(Wave(2, 0.25f, 0, 1, 0, 100), 25, 1e-3);
    EXPECT_NEAR(Wave(3, 0.25f, 0, 1, 0, 100), 75, 1e-3);
    EXPECT_NEAR(Wave(4, 0.75f, 0, 1, 0, 10), 5, 1e-4);
    EXPECT_EQ(Wave(9, 0.5f, 0, 1, 0, 10), 0);
}

TEST(Utility, Comparisons)
{
    const bool expected[] = {false, true, false, true, false, true, false};
    for (int op = 0; op < 7; ++op)
        EXPECT_EQ(Compare(1, 2, op), expected[op]) << op;
    EXPECT_EQ(ExpressionCompare(3, 3, 0, 10, 20), 10);
    EXPECT_EQ(StrExpressionCompare(3, 4, 0, "s", "t"), "t");
}

TEST(Utility, SubstrCountsNegativeStartsFromTheEnd)
{
    EXPECT_EQ(Substr("abcde", -2, -1), "de");
    EXPECT_EQ(Substr("abcde", 1, 2), "bc");
    EXPECT_EQ(Substr("abcde", 9, 2), "");
}

TEST(Utility, AnglesAndModulo)
{
    EXPECT_NEAR(sin_deg(90), 1, 1e-12);
    EXPECT_NEAR(cos_deg(180), -1, 1e-12);
    EXPECT_NEAR(atan2d(1, 0), 90, 1e-12);
    EXPECT_FLOAT_EQ(mod(-90, 360), 270);
    EXPECT_FLOAT_EQ(mod(725, 360), 5);
    EXPECT_DOUBLE_EQ(2 * math_helper * 10, 1024);
    EXPECT_DOUBLE_EQ(7.5 % math_helper % 2, 1.5);
}

TEST(Utility, GenerateRandomStaysInRange)
{
    SetRandomSeed(3);
    for (int i = 0; i < 1000; ++i) {
        float r = GenerateRandom(-5, 5);
        ASSERT_GE(r, -5);
        ASSERT_LE(r, 5);
    }
}

TEST(StringTokenizer, SplitsIntoNonEmptyRuns)
{
    StringTokenizer tokenizer("Tokenizer", 0, 0, 63);
    tokenizer.split(",,a,,b,", ",");
    ASSERT_EQ(tokenizer.elements.size(), 2u);
    EXPECT_EQ(tokenizer.get(0), "a");
    EXPECT_EQ(tokenizer.get(1), "b");
    EXPECT_EQ(tokenizer.get(2), "");
    tokenizer.split("x y", " ");
    EXPECT_EQ(tokenizer.elements, (std::vector<std::string>{"x", "y"}));
}
