// Where the player's movement hands over to features that come later: water
// streams (they set the push in the alchemist's value 23), the hazard test
// with the hazard box, and the switch to swimming. Until they exist the
// alchemist walks on land everywhere.
#include "gameplay/frame5.h"

void Frame5::streams_hook(Active*) {}

void Frame5::hazard_contact_hook(Active*) {}

void Frame5::enter_water_hook() {}
