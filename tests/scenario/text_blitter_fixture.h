#pragma once

#include "gameplay/type_ids.h"
#include "gameplay_world.h"
#include "gameplay_world_helpers.h"
#include "objects/active.h"
#include "objects/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The gameplay frame on the fixture world after its first tick, with helpers
// to draw a string in one of its text objects and read the glyphs back.
class TextBlitterTest : public ::testing::Test {
public:
    // The glyph frame of an ASCII character as the fonts order them: the
    // printable characters from '!' without '"' and '\'.
    static int frame_of(char c)
    {
        if (c == '"')
            return 95;
        return c - '!' - (c > '"' ? 1 : 0) - (c > '\\' ? 1 : 0) + 1;
    }

protected:
    void SetUp() override
    {
        world.enter();
        world.game().run(1);
    }

    Frame5& frame() { return world.frame(); }

    Text* text(int type_id, int index = 0)
    {
        return static_cast<Text*>(frame().get_instances(type_id).at(static_cast<size_t>(index)));
    }

    // The glyphs the text owns, in the order they were placed.
    std::vector<Active*> glyphs(Text* owner)
    {
        const std::string key = owner->get_fixed();
        std::vector<Active*> out;
        for (FrameObject* glyph : live(frame(), type_id::TextBlitter_143))
            if (glyph->alterable_strings->get(0, "") == key)
                out.push_back(static_cast<Active*>(glyph));
        return out;
    }

    // Shows the string in the text and runs the tick that draws it.
    std::vector<Active*> draw(Text* owner, const std::string& s)
    {
        owner->set_string(s);
        owner->set_bold(true);
        world.game().run(1);
        return glyphs(owner);
    }

    static int advance_end(Active* glyph) { return glyph->get_action_x() + 1; }

    GameplayWorld world;
};
