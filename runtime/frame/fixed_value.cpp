#include "frame/fixed_value.h"

#include <cstdint>
#include <cstring>

FixedValue::operator double() const
{
    static_assert(sizeof(FrameObject*) == sizeof(double), "instance references are kept in doubles");
    double bits;
    std::memcpy(&bits, &object, sizeof bits);
    return bits;
}

FixedValue::operator std::string() const { return std::to_string(reinterpret_cast<uintptr_t>(object)); }

FrameObject* get_object_from_fixed(double value)
{
    FrameObject* object;
    std::memcpy(&object, &value, sizeof object);
    return object;
}
