#include "text_blitter_fixture.h"

#include <algorithm>
#include <map>

namespace {

const int letter_spacing = 1;
const int word_spacing = 3;

} // namespace

TEST_F(TextBlitterTest, LettersFollowEachOtherAtTheFontsAdvances)
{
    Text* item = text(type_id::Item_139);
    std::vector<Active*> g = draw(item, "Wi Wi");
    ASSERT_EQ(g.size(), 4u);
    EXPECT_EQ(g[0]->x, item->x);
    EXPECT_EQ(g[0]->layer_index, item->layer_index);
    for (Active* glyph : g) {
        EXPECT_EQ(glyph->get_animation(), 12) << "font 0";
        EXPECT_EQ(glyph->y, item->y + 4) << "the y margin";
    }
    EXPECT_EQ(g[1]->x, advance_end(g[0]));
    EXPECT_EQ(g[2]->x, advance_end(g[1]) + word_spacing);
    EXPECT_EQ(g[3]->x, advance_end(g[2]));
    EXPECT_GT(g[0]->get_action_x(), g[0]->x);
}

TEST_F(TextBlitterTest, EachCharacterShowsItsFrameAndUnknownOnesFrameZero)
{
    struct Case {
        const char* s;
        int frame;
    };
    const Case cases[] = {
        {"!", 1},   {"H", frame_of('H')}, {"~", frame_of('~')}, {"]", frame_of(']')}, {"\xC9", 93}, {"\xE9", 94},
        {"\"", 95}, {"\xDA", 96},         {"\xFA", 97},         {"\xE4", 0},          {"\t", 0},
    };
    int index = 0;
    for (const Case& c : cases) {
        std::vector<Active*> g = draw(text(type_id::Item_139, index++), std::string(c.s) + "H");
        ASSERT_EQ(g.size(), 2u) << c.s;
        EXPECT_EQ(g[0]->get_frame(), c.frame) << c.s;
        EXPECT_GT(g[0]->get_action_x(), g[0]->x) << "even the unknown glyph advances";
        EXPECT_EQ(g[1]->x, advance_end(g[0])) << c.s;
    }
}

TEST_F(TextBlitterTest, BreaksSeparatorsAndBlanksMoveTheNextWord)
{
    struct Case {
        const char* s;
        int down;
        int gap; // -1: the second word starts the line
    };
    const Case cases[] = {
        {"a\\b", 17, -1}, {"a|b", 30, -1}, {"a \\b", 17, -1}, {"a b", 0, word_spacing}, {"a  b", 0, 2 * word_spacing},
    };
    int index = 0;
    for (const Case& c : cases) {
        Text* item = text(type_id::Item_139, index++);
        std::vector<Active*> g = draw(item, c.s);
        ASSERT_EQ(g.size(), 2u) << c.s;
        EXPECT_EQ(g[1]->y - g[0]->y, c.down) << c.s;
        EXPECT_EQ(g[1]->x, c.gap < 0 ? item->x : advance_end(g[0]) + c.gap) << c.s;
    }
}

TEST_F(TextBlitterTest, AWordReachingTheBoxWidthWrapsWhole)
{
    Text* probe = text(type_id::Item_139, 0);
    std::vector<Active*> g = draw(probe, "ab cd");
    const int end = advance_end(g.back()) - probe->x;
    struct Case {
        int width;
        bool wraps;
    };
    const Case cases[] = {{end, true}, {end + 1, false}, {end - 1, true}};
    int index = 1;
    for (const Case& c : cases) {
        Text* item = text(type_id::Item_139, index++);
        item->width = c.width;
        g = draw(item, "ab cd");
        ASSERT_EQ(g.size(), 4u);
        EXPECT_EQ(g[2]->y, c.wraps ? g[0]->y + 17 : g[0]->y) << c.width;
        EXPECT_EQ(g[2]->x, c.wraps ? item->x : advance_end(g[1]) + word_spacing) << c.width;
        EXPECT_EQ(g[3]->x, advance_end(g[2])) << "the word moves as one";
    }
}

TEST_F(TextBlitterTest, LinesOfAWrappedTextFillTheBoxWithoutOverflowing)
{
    Text* item = text(type_id::Item_139);
    item->width = 70;
    std::vector<Active*> g = draw(item, "one two three four five six seven eight nine ten");
    std::map<int, std::vector<Active*>> lines;
    for (Active* glyph : g)
        lines[glyph->y].push_back(glyph);
    ASSERT_GE(lines.size(), 3u);
    int previous_end = -1;
    for (auto& line : lines) {
        EXPECT_EQ(line.second.front()->x, item->x) << "line at " << line.first;
        const int line_end = advance_end(line.second.back());
        EXPECT_LT(line_end, item->x + 70) << "line at " << line.first;
        if (previous_end >= 0) {
            // The first word of this line did not fit after the last one.
            int word_end = line_end;
            for (size_t i = 1; i < line.second.size(); i++)
                if (line.second[i]->x != advance_end(line.second[i - 1])) {
                    word_end = advance_end(line.second[i - 1]);
                    break;
                }
            EXPECT_GE(previous_end + word_spacing + (word_end - item->x), item->x + 70);
        }
        previous_end = line_end;
    }
}

TEST_F(TextBlitterTest, AWordWiderThanTheBoxStaysOnItsLine)
{
    Text* item = text(type_id::Item_139);
    item->width = 10;
    std::vector<Active*> g = draw(item, "alchemist");
    ASSERT_EQ(g.size(), 9u);
    EXPECT_EQ(g[0]->x, item->x);
    for (Active* glyph : g)
        EXPECT_EQ(glyph->y, item->y + 4) << "no empty line above it";
}

TEST_F(TextBlitterTest, CentredTextIsCentredInTheBoxAndMiddleLiftsItsBlock)
{
    Text* caption = text(type_id::TextObject_113);
    struct Case {
        const char* s;
        size_t first_of_second_line;
    };
    const Case cases[] = {{"Gold", 0}, {"Deep caves", 0}, {"Old mine\\Lowest shaft", 7}};
    for (const Case& c : cases) {
        std::vector<Active*> g = draw(caption, c.s);
        int left = g[0]->x, right = 0, lines_down = 0;
        for (Active* glyph : g) {
            left = std::min(left, glyph->x);
            right = std::max(right, advance_end(glyph));
            lines_down = std::max(lines_down, glyph->y - g[0]->y);
            EXPECT_EQ(glyph->get_animation(), 13) << "font 1";
        }
        const int box_left = caption->x + 5, box_right = caption->x + 800 - 5;
        EXPECT_LE(std::abs((left - box_left) - (box_right - right)), 1) << c.s;
        EXPECT_EQ(g[0]->y, caption->y + 7 - lines_down / 2) << c.s;
        if (c.first_of_second_line) {
            EXPECT_EQ(g[c.first_of_second_line]->x, left) << "lines start together";
        }
    }
}

TEST_F(TextBlitterTest, AnItalicTextIsDrawnInUpperCase)
{
    std::vector<Active*> g = draw(text(type_id::ContainerItems_87), "Bag");
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0]->get_frame(), frame_of('B'));
    EXPECT_EQ(g[1]->get_frame(), frame_of('A'));
    EXPECT_EQ(g[2]->get_frame(), frame_of('G'));
}
