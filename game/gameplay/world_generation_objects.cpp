// The screen's containers, altars and people, made from the map characters.
#include "gameplay/frame5.h"
#include "objects/picture_types.h"
#include "objects/world_actives.h"

#include "image/color.h"

namespace {

struct ContainerKind {
    char character;
    const char* name;
    int display_animation;
    int display_frame;
    // Altars hold an item picture on top; some tinted grey.
    bool altar;
    bool grey;
};

const ContainerKind container_kinds[] = {
    {'C', "Moon Altar", 13, 0, true, true},
    {'+', "Sun Altar", 13, 1, true, false},
    {':', "Dew Altar", 13, 2, true, true},
    {'c', "Chest", 14, 0, false, false},
    {'F', "Coffin", 14, 1, false, false},
    {'O', "Furnace", 12, 0, false, false},
    {'T', "Teleportation Box", 15, 0, false, false},
    {'o', "Metal Box", 15, 1, false, false},
};

struct PersonKind {
    char character;
    const char* name;
    int container_direction;
    int animation;
    int speech_offset;
};

const PersonKind people[] = {
    {'a', "Corin Maltby", 16, 18, 130},
    {'N', "Tobias Wrenfield", 16, 19, 100},
    {'\xD6', "Oswin Harrowgate", 0, 17, -130},
    {'U', "Merovan", 16, 23, 130},
    {'n', "Calvatoros", 16, 20, 130},
    {'l', "Vinderhal", 16, 21, 130},
    {'E', "Tamblio", 16, 12, 130},
    {'J', "Perrin Oakhurst", 0, 13, -130},
    {'k', "Ysolde Marrant", 16, 22, 120},
    {'\xDA', "Maren", 16, 14, 90},
    {'L', "Brenna", 0, 15, -70},
    {'\xB5', "Sabra", 16, 16, 120},
    {'Z', "Ilvaine", 0, 24, -130},
};

} // namespace

Active* Frame5::place_item_container(const char* container_name)
{
    Active* container = place(new ItemContainer_89(cx, cy), 4);
    container->alterable_strings->set(0, container_name);
    return container;
}

Active* Frame5::place_container_display(int animation)
{
    Active* display = place(new ContainerDisplay_84(cx, cy), 4);
    display->force_animation(animation);
    return display;
}

void Frame5::place_container(char c)
{
    if (c == '(') {
        place_item_container("Hidden Container");
        return;
    }
    if (c == 'A') {
        place_item_container("Home");
        place_container_display(16)->set_scale(1.5);
        return;
    }
    // Rufus and the fish are containers shown as creatures.
    if (c == 'D' || c == 'f') {
        Active* container = place_item_container(c == 'D' ? "Rufus" : "Fish");
        container->force_animation(12);
        container->set_direction(0);
        place_container_display(c == 'D' ? 17 : 18);
        return;
    }
    for (const ContainerKind& kind : container_kinds) {
        if (kind.character != c)
            continue;
        if (!kind.altar) {
            show_frame(place_container_display(kind.display_animation), kind.display_frame);
            place_item_container(kind.name);
            return;
        }
        place_item_container(kind.name);
        Active* display = place_container_display(kind.display_animation);
        show_frame(display, kind.display_frame);
        FrameObject* item = create_object(
            new ItemInLevel_122(display->get_action_x() - 12, display->get_action_y() - 24), display->layer_index)[0];
        item->alterable_strings->set(0, kind.name);
        if (kind.grey)
            item->set_blend_color(make_color_int(195, 195, 195, 0));
        return;
    }
}

void Frame5::place_person(char c)
{
    for (const PersonKind& person : people) {
        if (person.character != c)
            continue;
        Active* container = place_item_container(person.name);
        container->force_animation(12);
        container->set_direction(person.container_direction);
        Active* figure = place(new People_116(cx, cy), 4);
        figure->force_animation(person.animation);
        show_frame(figure, 65535);
        figure->alterable_values->set(0, person.speech_offset);
        return;
    }
}
