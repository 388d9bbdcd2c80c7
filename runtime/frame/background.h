#pragma once

#include <vector>

class Image;
class MaskCollision;

// One remembered paste of an image (or part of one) into a background.
struct BackgroundItem {
    int x, y, src_x, src_y, width, height;
    Image* image;
    int collision_type;
};

// An 800 x 512 picture that images are pasted into, with an obstacle mask
// that reaches 32 pixels past every edge of the screen. Pastes are recorded
// and replayed in one rebuild when the picture or the mask is next needed.
// The raster holds colours already multiplied by their coverage and is drawn
// with premultiplied blending. Only draw and upload touch OpenGL: the texture
// is created on the first draw, so backgrounds work without a context.
class Background {
public:
    static const int MASK_MARGIN = 32;
    static const int MASK_WIDTH = 800 + 2 * MASK_MARGIN;
    static const int MASK_HEIGHT = 512 + 2 * MASK_MARGIN;
    static const int WIDTH = 800;
    static const int HEIGHT = 512;

    unsigned char* mask;
    unsigned char* raster;
    bool upload_needed;
    bool rebuild_needed;
    unsigned int texture; // 0 until the first draw
    std::vector<BackgroundItem> items;
    MaskCollision* collision;

    Background();
    ~Background();
    void reset(bool clear_items);
    void paste(Image* image, int x, int y, int src_x, int src_y, int width, int height, int collision_type, bool save);
    void update();
    unsigned char* get(int x, int y);
    unsigned char* get_mask(int x, int y);
    // Sends the raster to the texture if it changed since the last upload,
    // creating the texture the first time. Leaves the texture bound.
    void upload();
    void draw();
    MaskCollision* get_collision();
};
