#pragma once

// A copy of part of the off-screen picture, for effects that look at what
// was drawn behind an object. One texture serves every such effect; it is
// refilled before each draw that samples it.

extern unsigned int background_texture;
extern unsigned int background_fbo;
extern bool background_initialized;

void initialize_background();
// Copies the rectangle left, top, right, bottom (right and bottom exclusive)
// of the off-screen picture into background_texture, which then has the
// rectangle's size. Returns false (and copies nothing) for an empty one.
bool snapshot_background(const int box[4]);
