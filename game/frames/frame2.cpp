// The Logotypes frame: three logos in turn, then the title; any of the skip
// keys goes to the title at once.
#include "frames/frame2.h"
#include "frames/skip_keys.h"
#include "objects/image_table.h"
#include "objects/objects.h"

namespace {
const int logotypes_id = 4;
const int frame_variables_id = 6;
const int tick_counter = 0;
} // namespace

Frame2::Frame2(GameManager* manager) : Frame("Logotypes", 800, 512, Color(255, 255, 255, 255), 1, manager) {}

void Frame2::on_start()
{
    if (run_count == 0)
        preload_images_for({"Logotypes_11", "FrameVariables_13"});
    add_layer(1, 1, true);
    add_object(new Logotypes_11(400, 256), 0);
    add_object(new BrindleSettings_12(0, -36), 0);
    add_object(new FrameVariables_13(36, -36), 0);
}

void Frame2::handle_events()
{
    FrameObject* variables = get_instance(frame_variables_id);
    variables->alterable_values->add(tick_counter, 1);
    const double ticks = variables->alterable_values->get(tick_counter, 0);

    Active* logos = static_cast<Active*>(get_instance(logotypes_id));
    if (ticks == 15)
        logos->set_visible(true);
    if (ticks == 90)
        logos->set_direction(1);
    if (ticks == 180)
        logos->set_direction(2);
    if (ticks == 270)
        next_frame = index + 1;
    if (skip_key_pressed(*this))
        next_frame = index + 1;
}
