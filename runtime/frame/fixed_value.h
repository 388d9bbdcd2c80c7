#pragma once

#include <string>

class FrameObject;

// A reference to one instance kept in a number: the instance's address
// reinterpreted bit for bit as a double. Meaningful only while the instance
// lives and only within one run of the program.
class FixedValue {
public:
    explicit FixedValue(FrameObject* object) : object(object) {}
    operator double() const;
    operator std::string() const;

private:
    FrameObject* object;
};

FrameObject* get_object_from_fixed(double value);
