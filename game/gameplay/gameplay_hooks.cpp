// Places where features still to come join the gameplay frame. Each does
// nothing until its feature is built.
#include "gameplay/frame5.h"

// The glow that marks each container the alchemist can use.
void Frame5::loop_container_interaction_light() {}
// Waves and glimmer along a water surface.
void Frame5::loop_surface_effect() {}
// Entering and leaving water, wave drift.
void Frame5::run_water_crossing() {}
// Swimming.
void Frame5::run_swim_group() {}
// Speech bubbles and opening the inventory.
void Frame5::run_speech_and_inventory_opening() {}
// Walkers, exploders, bullets and teleporters.
void Frame5::run_hazards() {}
// Transmutation, the inventory interface and item information.
void Frame5::run_alchemy_interface() {}
// Items lying in the level.
void Frame5::run_items_in_level() {}
// Water surfaces, waves, bubbles and glimmer.
void Frame5::run_water_objects() {}
// The people of the screen.
void Frame5::run_people() {}
// Bringing the win item to the win container.
void Frame5::run_winning() {}
// The lights that mark what the alchemist can use.
void Frame5::run_interaction_lights() {}
// The death sequence.
void Frame5::run_death_group() {}
