#include "objects/qualifiers.h"

// On-screen texts.
const int qualifier_13[] = {77, 78, 104, 127, 128, 129, 130, 0};
// Slot labels.
const int qualifier_24[] = {44, 45, 46, 0};
// The title screen's sliders and faders.
const int qualifier_38[] = {7, 8, 9, 10, 0};
// Fogs.
const int qualifier_43[] = {70, 71, 0};
// The alchemist, walkers, exploders and bullets.
const int qualifier_45[] = {73, 96, 109, 110, 0};
// Glows and fogs.
const int qualifier_52[] = {62, 67, 68, 69, 70, 71, 0};
// Glows.
const int qualifier_55[] = {62, 67, 68, 69, 0};
// Everything the level generator places in a room. 65 and 86 are never
// created; their instance lists stay empty.
const int qualifier_69[] = {61, 62, 64, 65, 66, 67, 68, 69,  70,  71,  75,  80,  85,  86,  87,  88,  89,
                            90, 91, 95, 96, 97, 98, 99, 107, 109, 110, 111, 116, 117, 120, 122, 124, 0};
// Links of the film-and-music screen.
const int qualifier_84[] = {48, 49, 50, 55, 56, 0};
// Walkers, dangers, exploders and bullets.
const int qualifier_86[] = {96, 97, 109, 110, 0};
