#include "frame/selection.h"

#include "ini/ini.h"
#include "platform/random.h"

bool check_overlap(ObjectList first, ObjectList second, ObjectList& first_out, ObjectList& second_out)
{
    first_out.clear();
    second_out.clear();
    bool found = false;
    for (FrameObject* a : first) {
        bool listed = false;
        for (FrameObject* b : second) {
            if (!a->overlaps(b))
                continue;
            found = true;
            if (!listed) {
                first_out.push_back(a);
                listed = true;
            }
            second_out.push_back(b);
        }
    }
    return found;
}

bool check_not_overlap(const ObjectList& first, const ObjectList& second)
{
    for (FrameObject* a : first)
        for (FrameObject* b : second)
            if (a->overlaps(b))
                return false;
    return true;
}

void pick_random(ObjectList& list)
{
    if (list.empty())
        return;
    FrameObject* chosen = list[static_cast<size_t>(randrange(static_cast<int>(list.size())))];
    list.assign(1, chosen);
}

void spread_value(ObjectList& list, int index, int start)
{
    for (FrameObject* obj : list) {
        if (obj->alterable_values)
            obj->alterable_values->set(index, start);
        start++;
    }
}

ObjectList make_single_list(FrameObject* obj) { return ObjectList{obj}; }

void reset_global_data() { INI::reset_global_data(); }
