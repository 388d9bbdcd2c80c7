#pragma once

#include "objects/active.h"

#include <string>
#include <vector>

// Set-up flags of an object type.
enum TypeFlag {
    TYPE_HIDDEN = 1,
    TYPE_SCREEN_FIXED = 2,
    TYPE_BOX_COLLISION = 4,
    TYPE_ADDITIVE = 8,
    // Starts facing any of the 32 directions.
    TYPE_RANDOM_DIRECTION = 16,
};

// Alterable index of a letter: 'A' is 0, 'Z' is 25.
constexpr int letter(char c) { return c - 'A'; }

struct ValueSetting {
    int index;
    double value;
};

struct StringSetting {
    int index;
    const char* value;
};

// What an active type's constructor applies.
struct ActiveDescription {
    const char* class_name;
    const char* name;
    int id;
    int flags;
    int start_direction;
    std::vector<ValueSetting> values;
    std::vector<StringSetting> strings;
    int blend_alpha = 255;
};

// The base of the game's active types. The first instance of a type builds
// the type's animations from the animation table; later ones share them.
class CatalogueActive : public Active {
protected:
    CatalogueActive(const ActiveDescription& description, int x, int y, AnimationMap*& saved_animations,
                    bool& initialized);
};

// Adds the type's image sequences to a fresh animation set and fills the
// directions it leaves empty.
void build_animations(Active& active, const std::string& type_name);

#define VELMORA_ACTIVE_TYPE(Class)                                                                                     \
    class Class : public CatalogueActive {                                                                             \
    public:                                                                                                            \
        static AnimationMap* saved_animations;                                                                         \
        static bool initialized;                                                                                       \
        static const ActiveDescription& description();                                                                 \
        Class(int x, int y);                                                                                           \
    };

// In a source file: the type's statics and constructor from its description
// (display name, id, flags, start direction, values, strings, blend alpha).
#define VELMORA_DEFINE_ACTIVE_TYPE(Class, ...)                                                                         \
    AnimationMap* Class::saved_animations = nullptr;                                                                   \
    bool Class::initialized = false;                                                                                   \
    const ActiveDescription& Class::description()                                                                      \
    {                                                                                                                  \
        static const ActiveDescription d{#Class, __VA_ARGS__};                                                         \
        return d;                                                                                                      \
    }                                                                                                                  \
    Class::Class(int x, int y) : CatalogueActive(description(), x, y, saved_animations, initialized) {}
