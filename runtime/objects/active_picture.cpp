#include "objects/active_picture.h"

#include "image/image.h"
#include "platform/platform.h"

std::map<std::string, Image*>& ActivePicture::image_cache()
{
    static auto* cache = new std::map<std::string, Image*>();
    return *cache;
}

ActivePicture::ActivePicture(const std::string& name, int x, int y, int type_id)
    : FrameObject(name, x, y, type_id), image(nullptr), cached_image(nullptr), horizontal_flip(false),
      has_transparent_color(false), x_scale(1.0), y_scale(1.0), angle(0.0), collision(this, nullptr)
{
    create_alterables();
}

ActivePicture::~ActivePicture() { delete image; }

void ActivePicture::load(const std::string& path)
{
    remove_image();
    filename = convert_path(path);
    auto found = image_cache().find(filename);
    if (found != image_cache().end()) {
        cached_image = found->second;
    } else {
        Image* decoded = new Image(filename, 0, 0, 0, 0, has_transparent_color ? &transparent_color : nullptr);
        if (!decoded->pixels) {
            // Not cached, so the next load of this path tries the file again.
            delete decoded;
            return;
        }
        image_cache()[filename] = decoded;
        cached_image = decoded;
    }
    image = new Image(*cached_image);
    collision.set_image(image);
}

void ActivePicture::set_transparent_color(const Color& color)
{
    transparent_color = color;
    has_transparent_color = true;
}

void ActivePicture::remove_image()
{
    if (!image)
        return;
    // The shape must not keep pointing at the copy about to go.
    collision.set_image(nullptr);
    delete image;
    image = nullptr;
    cached_image = nullptr;
}

void ActivePicture::draw()
{
    if (!image)
        return;
    blend_color.apply();
    draw_image(image, x, y, angle, x_scale, y_scale, horizontal_flip, false);
}

CollisionBase* ActivePicture::get_collision() { return &collision; }
