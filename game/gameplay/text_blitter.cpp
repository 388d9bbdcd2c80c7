// The gameplay frame's texts drawn as rows of glyph sprites from the bitmap
// fonts: a text is laid out again only on the tick its string changes.
#include "gameplay/text_blitter.h"
#include "gameplay/frame5.h"
#include "gameplay/type_ids.h"
#include "ini/ini.h"
#include "objects/objects.h"
#include "objects/qualifiers.h"
#include "platform/strings.h"

#include <algorithm>
#include <string>

namespace {

using namespace text_generator;

// The value after "key=" in a font's settings, up to the next blank.
std::string font_setting(const std::string& settings, const std::string& key)
{
    std::string::size_type start = settings.find(key + "=");
    if (start == std::string::npos)
        return std::string();
    start += key.size() + 1;
    return settings.substr(start, settings.find(' ', start) - start);
}

double font_number(const std::string& settings, const std::string& key)
{
    return string_to_double(font_setting(settings, key), 0);
}

} // namespace

void Frame5::blit_texts()
{
    for (const int* id = qualifier_13; *id != 0; ++id)
        for (FrameObject* text : ObjectList(get_instances(*id)))
            foreach_auto_blitter(static_cast<Text*>(text));
}

void Frame5::destroy_glyphs(const std::string& owner)
{
    for (FrameObject* glyph : get_instances(type_id::TextBlitter_143))
        if (glyph->alterable_strings->get(glyph_owner, "") == owner)
            glyph->destroy();
}

void Frame5::foreach_auto_blitter(Text* text)
{
    INI* last_drawn = static_cast<INI*>(get_instance(type_id::AutoBlitter_144));
    const std::string owner_key = text->get_fixed();
    const bool shown = text->get_bold();

    if (shown && text->text != last_drawn->get_string(owner_key, "")) {
        destroy_glyphs(owner_key);
        text_generator =
            static_cast<Active*>(create_object(new TextGenerator_141(text->x, text->y), text->layer_index)[0]);
        const double x_margin = string_to_double(text->get_paragraph(1), 0);
        const double y_margin = string_to_double(text->get_paragraph(2), 0);
        AlterableValues* values_of = text_generator->alterable_values;
        AlterableStrings* strings_of = text_generator->alterable_strings;
        values_of->set(font, string_to_double(text->get_paragraph(5), 0));
        text_generator->set_position(text->x + static_cast<int>(x_margin), text->y + static_cast<int>(y_margin));
        values_of->set(wrap_width, text->get_box_index(2) - text->get_box_index(0) - 2 * x_margin);
        strings_of->set(rest, text->get_italic() ? uppercase_string(text->text) : text->text);
        strings_of->set(owner, owner_key);
        strings_of->set(horizontal_alignment, text->get_paragraph(4));
        strings_of->set(vertical_alignment, text->get_paragraph(3));
        last_drawn->set_string(owner_key, text->text);
        run_loop("Blit Text", 1, [this] { loop_blit_text(); });
    }

    // A hidden text forgets what it drew, so that showing it again draws it
    // anew even with the same string.
    if (!shown && last_drawn->has_item(owner_key)) {
        destroy_glyphs(owner_key);
        last_drawn->delete_item(owner_key);
    }
}

void Frame5::loop_blit_text()
{
    if (!text_generator)
        return;
    AlterableValues* values_of = text_generator->alterable_values;
    AlterableStrings* strings_of = text_generator->alterable_strings;
    values_of->set(line_start_x, text_generator->x);
    // The two fonts' settings are strings 1 and 2.
    const std::string settings = strings_of->get(1 + static_cast<int>(values_of->get(font, 0)), "");
    strings_of->set(character_set, font_setting(settings, "Character Set"));
    values_of->set(word_spacing, font_number(settings, "Word Spacing"));
    values_of->set(line_height, font_number(settings, "Line Height"));
    values_of->set(letter_spacing, font_number(settings, "Letter Spacing"));
    values_of->set(separator_height, font_number(settings, "Separator Height"));
    FrameObject* info = get_instance(type_id::LastTextInfo_142);
    info->alterable_values->set(widest_line, 0);
    info->alterable_values->set(added_height, 0);
    run_loop("Blit Word", -1, [this] { loop_blit_word(); });
}
