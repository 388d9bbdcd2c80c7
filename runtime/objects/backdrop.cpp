#include "objects/backdrop.h"

#include "image/image.h"

#include <GL/glew.h>

Backdrop::Backdrop(Image* image, const std::string& name, int x, int y, int type_id)
    : FrameObject(name, x, y, type_id), image(image)
{
}

void Backdrop::draw()
{
    if (!image)
        return;
    glColor4ub(255, 255, 255, 255);
    // Backdrops are placed by their corner whatever hot spot the table gives.
    int hotspot_x = image->hotspot_x;
    int hotspot_y = image->hotspot_y;
    image->hotspot_x = image->hotspot_y = 0;
    image->draw(x, y, 0.0, 1.0, 1.0, false, 0);
    image->hotspot_x = hotspot_x;
    image->hotspot_y = hotspot_y;
}
