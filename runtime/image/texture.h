#pragma once

// Creates an RGBA texture of the given size (pixels may be null to leave it
// undefined), filtered linearly and clamped at its edges, and leaves it bound.
unsigned int create_texture(int width, int height, const unsigned char* pixels);
