#pragma once

#include "frame/frame_object.h"

// How the event code narrows the instances an event acts on.

bool check_overlap(ObjectList first, ObjectList second, ObjectList& first_out, ObjectList& second_out);
bool check_not_overlap(const ObjectList& first, const ObjectList& second);
void pick_random(ObjectList& list);
void spread_value(ObjectList& list, int index, int start);
ObjectList make_single_list(FrameObject* obj);
// Forgets the documents that INI objects share across frames.
void reset_global_data();
