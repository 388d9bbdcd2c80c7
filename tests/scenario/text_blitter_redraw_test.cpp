#include "text_blitter_fixture.h"

#include "ini/ini.h"

namespace {

std::vector<int> frames(const std::vector<Active*>& glyphs)
{
    std::vector<int> out;
    for (Active* glyph : glyphs)
        out.push_back(glyph->get_frame());
    return out;
}

std::vector<int> frames_of(const std::string& s)
{
    std::vector<int> out;
    for (char c : s)
        out.push_back(TextBlitterTest::frame_of(c));
    return out;
}

} // namespace

TEST_F(TextBlitterTest, TheScreenNameIsDrawnCentredInTheCaptionFont)
{
    Text* caption = text(type_id::TextObject_113);
    EXPECT_FALSE(caption->visible) << "only its glyphs are seen";
    std::vector<Active*> g = glyphs(caption);
    EXPECT_EQ(frames(g), frames_of("Home"));
    ASSERT_FALSE(g.empty());
    EXPECT_EQ(g[0]->layer_index, caption->layer_index);
    EXPECT_EQ(g[0]->y, caption->y + 7);
    const int left_gap = g.front()->x - (caption->x + 5);
    const int right_gap = caption->x + 795 - advance_end(g.back());
    EXPECT_LE(std::abs(left_gap - right_gap), 1);

    build_screen(world, 1, 0);
    EXPECT_EQ(frames(glyphs(caption)), frames_of("Slopes")) << "the next screen's name replaces it";
}

TEST_F(TextBlitterTest, AChangedStringIsRedrawnAndAnUnchangedOneIsLeftAlone)
{
    Text* item = text(type_id::Item_139);
    std::vector<Active*> first = draw(item, "Salt");
    EXPECT_EQ(frames(first), frames_of("Salt"));
    world.game().run(3);
    EXPECT_EQ(glyphs(item), first) << "no layout while the string stays";
    EXPECT_EQ(frames(draw(item, "Iron ore")), frames_of("Ironore"));
    EXPECT_TRUE(draw(item, "").empty());
    EXPECT_TRUE(live(frame(), type_id::TextGenerator_141).empty()) << "every generator ends with its text";
}

TEST_F(TextBlitterTest, HidingTakesTheGlyphsAwayAndShowingDrawsThemAgain)
{
    Text* item = text(type_id::Item_139);
    draw(item, "Moss");
    item->set_bold(false);
    world.game().run(1);
    EXPECT_TRUE(glyphs(item).empty());
    EXPECT_EQ(frames(draw(item, "Moss")), frames_of("Moss")) << "same string, drawn anew";
}

TEST_F(TextBlitterTest, TextsStartShownOrHiddenAsTheCatalogueSays)
{
    EXPECT_EQ(frames(glyphs(text(type_id::PlayerItems_86))), frames_of("Player"));
    EXPECT_EQ(frames(glyphs(text(type_id::Item_139, 29))), frames_of("Item"));
    for (int hidden : {type_id::ContainerItems_87, type_id::ItemUsageInfo_136, type_id::SpeechBubbleText_137,
                       type_id::BlockedTransferExplanation_138})
        EXPECT_TRUE(glyphs(text(hidden)).empty()) << hidden;
}

TEST_F(TextBlitterTest, ALoopNamedAtRunTimeRunsThatLoopOnly)
{
    Text* item = text(type_id::Item_139);
    const std::vector<Active*> before = glyphs(item);
    item->set_string("Ash");
    INI* abilities = static_cast<INI*>(frame().get_instance(type_id::ModifiedAbilities_123));
    abilities->set_value("General", "Blit Probe", 0, 7);
    frame().call_dynamic_loop("No Such Loop");
    frame().call_dynamic_loop("Blit Text");
    EXPECT_EQ(glyphs(item), before) << "no text is being laid out outside its tick";
    EXPECT_EQ(frame().loop_indexes.count("No Such Loop"), 0u);
    EXPECT_TRUE(abilities->has_item("General", "Blit Probe"));
    frame().call_dynamic_loop("Reset Abilities");
    EXPECT_FALSE(abilities->has_item("General", "Blit Probe")) << "the base abilities were copied back";
}
