#include "objects/catalogue_active.h"

#include "objects/animation_table.h"
#include "objects/image_table.h"
#include "platform/random.h"
#include "shader/effects.h"

#include <iostream>

void build_animations(Active& active, const std::string& type_name)
{
    const ImageTable& images = image_table();
    for (const Sequence& sequence : animation_table().find(type_name)) {
        active.add_direction(sequence.animation, sequence.direction, sequence.min_speed, sequence.max_speed,
                             sequence.loop, sequence.back_to);
        for (const std::string& name : sequence.images) {
            Image* image = images.find(name);
            if (image)
                active.add_image(sequence.animation, sequence.direction, image);
            else
                std::cout << "Missing image " << name << " (" << type_name << ")" << std::endl;
        }
    }
    active.initialize_animations();
}

CatalogueActive::CatalogueActive(const ActiveDescription& description, int x, int y, AnimationMap*& saved_animations,
                                 bool& initialized)
    : Active(description.name, x, y, description.id)
{
    if (description.flags & TYPE_HIDDEN)
        set_visible(false);
    if (description.flags & TYPE_SCREEN_FIXED)
        scroll = false;
    for (const ValueSetting& value : description.values)
        alterable_values->set(value.index, value.value);
    for (const StringSetting& string : description.strings)
        alterable_strings->set(string.index, string.value);
    blend_color.set_alpha(description.blend_alpha);
    if (description.flags & TYPE_ADDITIVE)
        set_shader(additive_shader);
    if (!initialized) {
        saved_animations = new AnimationMap();
        animations = saved_animations;
        build_animations(*this, description.class_name);
        initialized = true;
    }
    animations = saved_animations;
    // The frame shown depends on the direction, so it is set before the
    // first frame is chosen, without set_direction's frame update. A random
    // one may be a direction the type does not define; its nearest defined
    // neighbour then shows.
    direction = description.flags & TYPE_RANDOM_DIRECTION ? randrange(32) : description.start_direction;
    animation_direction = direction;
    collision_box = (description.flags & TYPE_BOX_COLLISION) != 0;
    animation = 0;
    initialize_active();
}
