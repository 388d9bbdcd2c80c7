#include "shader/background_snapshot.h"

#include "image/texture.h"
#include "manager/game_manager.h"

#include <GL/glew.h>

unsigned int background_texture = 0;
unsigned int background_fbo = 0;
bool background_initialized = false;

namespace {

void bind_screen() { glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, global_manager ? global_manager->screen_fbo : 0); }

} // namespace

void initialize_background()
{
    // Sized on each snapshot.
    background_texture = create_texture(0, 0, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffersEXT(1, &background_fbo);
    background_initialized = true;
    bind_screen();
}

bool snapshot_background(const int box[4])
{
    int left = box[0], top = box[1], right = box[2], bottom = box[3];
    int w = right - left;
    int h = bottom - top;
    if (w <= 0 || h <= 0 || !global_manager)
        return false;

    glBindTexture(GL_TEXTURE_2D, background_texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);

    // The current colour is saved too: it is the object's blend colour, already
    // applied for the draw this copy serves.
    glPushAttrib(GL_VIEWPORT_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, w, h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, background_fbo);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, background_texture, 0);
    glDisable(GL_BLEND);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, global_manager->screen_texture);
    glColor4ub(255, 255, 255, 255);
    // The off-screen picture is stored bottom row first; these coordinates
    // turn the copy round so that it is top row first, like the images it is
    // sampled together with.
    float u1 = left / 800.0f, u2 = right / 800.0f;
    float v_top = 1.0f - top / 512.0f, v_bottom = 1.0f - bottom / 512.0f;
    glBegin(GL_QUADS);
    glTexCoord2f(u1, v_bottom);
    glVertex2i(0, 0);
    glTexCoord2f(u2, v_bottom);
    glVertex2i(w, 0);
    glTexCoord2f(u2, v_top);
    glVertex2i(w, h);
    glTexCoord2f(u1, v_top);
    glVertex2i(0, h);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    bind_screen();
    return true;
}
