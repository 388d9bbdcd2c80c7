#include "objects/quick_backdrop.h"

#include <GL/glew.h>

QuickBackdrop::QuickBackdrop(const Color& color, int width, int height, const std::string& name, int x, int y,
                             int type_id)
    : FrameObject(name, x, y, type_id), color(color)
{
    this->width = width;
    this->height = height;
}

void QuickBackdrop::draw()
{
    glDisable(GL_TEXTURE_2D);
    glColor4ub(color.r, color.g, color.b, blend_color.a);
    glBegin(GL_QUADS);
    glVertex2i(x, y);
    glVertex2i(x + width, y);
    glVertex2i(x + width, y + height);
    glVertex2i(x, y + height);
    glEnd();
}
