#pragma once

// Where the text generator, its glyphs and the line measure keep their state.
namespace text_generator {
// Generator values.
const int font = 0;
const int wrap_width = 1;
const int letter_spacing = 2;
const int line_height = 3;
const int word_spacing = 4;
const int line_start_x = 5;
const int word_start_x = 6;
const int word_length = 7;
const int finished = 8;
const int separator_height = 9;
// Generator strings.
const int rest = 0;
const int horizontal_alignment = 5;
const int vertical_alignment = 6;
const int owner = 7;
const int character_set = 9;
// Glyph values and string.
const int committed = 0;
const int placed = 1;
const int glyph_owner = 0;
// Line measure values: the widest line so far and the height added below
// the first line.
const int widest_line = 0;
const int added_height = 1;
} // namespace text_generator
