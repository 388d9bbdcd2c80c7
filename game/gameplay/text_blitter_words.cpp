// Placing a text's words letter by letter: wrapping, line breaks,
// separators and the alignment of the finished block.
#include "gameplay/frame5.h"
#include "gameplay/text_blitter.h"
#include "gameplay/type_ids.h"
#include "objects/objects.h"

#include <algorithm>
#include <string>

namespace {

using namespace text_generator;

const std::string word_ends = " \\|";

// The owner's glyphs whose flag `index` is still 0.
ObjectList glyphs_without(Frame& frame, const std::string& owner_key, int index)
{
    ObjectList out;
    for (FrameObject* glyph : frame.get_instances(type_id::TextBlitter_143))
        if (!glyph->destroying && glyph->alterable_strings->get(glyph_owner, "") == owner_key &&
            glyph->alterable_values->get(index, 0) == 0)
            out.push_back(glyph);
    return out;
}

void shift(const ObjectList& glyphs, int dx, int dy)
{
    for (FrameObject* glyph : glyphs)
        glyph->set_position(glyph->x + dx, glyph->y + dy);
}

} // namespace

void Frame5::loop_blit_word()
{
    if (!text_generator)
        return;
    Active* generator = text_generator;
    AlterableValues* values_of = generator->alterable_values;
    AlterableStrings* strings_of = generator->alterable_strings;
    AlterableValues* info = get_instance(type_id::LastTextInfo_142)->alterable_values;
    const std::string owner_key = strings_of->get(owner, "");
    const int line_start = static_cast<int>(values_of->get(line_start_x, 0));

    std::string text_left = strings_of->get(rest, "");
    const int length = static_cast<int>(std::min(text_left.find_first_of(word_ends), text_left.size()));
    values_of->set(word_length, length);
    if (!text_left.empty()) {
        values_of->set(word_start_x, generator->x);
        run_loop("Blit Letter", length, [this] { loop_blit_letter(); });
    }

    // A word that reaches the wrap width moves to a new line whole. One that
    // already starts the line stays there and overflows the box: moving it
    // down would only leave an empty line above it.
    const int word_start = static_cast<int>(values_of->get(word_start_x, 0));
    ObjectList word = glyphs_without(*this, owner_key, committed);
    if (generator->x >= line_start + values_of->get(wrap_width, 0) && word_start > line_start && !word.empty()) {
        const int down = static_cast<int>(values_of->get(line_height, 0));
        info->add(added_height, down);
        shift(word, line_start - word_start, down);
        generator->set_position(generator->x + line_start - word_start, generator->y + down);
    }

    auto end_line = [&] {
        info->set(widest_line, std::max(info->get(widest_line, 0), double(generator->x - line_start)));
    };
    text_left = strings_of->get(rest, "");
    if (!text_left.empty() && text_left[0] == ' ') {
        end_line();
        text_left.erase(0, 1);
        generator->set_x(generator->x + static_cast<int>(values_of->get(word_spacing, 0)));
    }
    for (auto line_end : {std::make_pair('\\', line_height), std::make_pair('|', separator_height)}) {
        if (text_left.empty() || text_left[0] != line_end.first)
            continue;
        end_line();
        const int down = static_cast<int>(values_of->get(line_end.second, 0));
        info->add(added_height, down);
        generator->set_position(line_start, generator->y + down);
        text_left.erase(0, 1);
    }
    strings_of->set(rest, text_left);

    for (FrameObject* glyph : word)
        glyph->alterable_values->set(committed, 1);
    if (text_left.empty())
        finish_text_layout();
}

void Frame5::finish_text_layout()
{
    Active* generator = text_generator;
    AlterableValues* values_of = generator->alterable_values;
    AlterableStrings* strings_of = generator->alterable_strings;
    AlterableValues* info = get_instance(type_id::LastTextInfo_142)->alterable_values;
    const std::string owner_key = strings_of->get(owner, "");
    const double line_start = values_of->get(line_start_x, 0);

    // The last line is measured before the block is centred, or a text
    // without breaks would not be centred at all.
    info->set(widest_line, std::max(info->get(widest_line, 0), generator->x - line_start));
    ObjectList block = glyphs_without(*this, owner_key, placed);
    if (strings_of->get(horizontal_alignment, "") == "Center")
        shift(block, static_cast<int>((values_of->get(wrap_width, 0) - info->get(widest_line, 0)) / 2), 0);
    if (strings_of->get(vertical_alignment, "") == "Middle")
        shift(block, 0, -static_cast<int>(info->get(added_height, 0) / 2));
    for (FrameObject* glyph : block)
        glyph->alterable_values->set(placed, 1);

    values_of->set(finished, 1);
    generator->destroy();
    text_generator = nullptr;
    stop_loop("Blit Word");
}

void Frame5::loop_blit_letter()
{
    if (!text_generator)
        return;
    Active* generator = text_generator;
    AlterableValues* values_of = generator->alterable_values;
    AlterableStrings* strings_of = generator->alterable_strings;
    std::string text_left = strings_of->get(rest, "");
    if (text_left.empty())
        return;

    Active* glyph = place(new TextBlitter_143(generator->x, generator->y), generator->layer_index);
    glyph->force_animation(12 + static_cast<int>(values_of->get(font, 0)));
    // Frame 0 is the glyph of a character the font does not have.
    const std::string::size_type at = strings_of->get(character_set, "").find(text_left[0]);
    glyph->force_frame(at == std::string::npos ? 0 : static_cast<int>(at) + 1);
    glyph->alterable_strings->set(glyph_owner, strings_of->get(owner, ""));
    generator->set_x(glyph->get_action_x() + static_cast<int>(values_of->get(letter_spacing, 0)));
    strings_of->set(rest, text_left.substr(1));
}
