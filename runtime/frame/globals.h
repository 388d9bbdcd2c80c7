#pragma once

#include <cstddef>
#include <vector>

// The game-wide values and strings: a list that grows on write and reads as
// zero (or empty) past its end.
template <typename T> class Globals {
public:
    T get(int index) const
    {
        if (index < 0 || static_cast<size_t>(index) >= items.size())
            return T();
        return items[index];
    }

    void set(int index, const T& value)
    {
        if (index < 0)
            return;
        if (static_cast<size_t>(index) >= items.size())
            items.resize(static_cast<size_t>(index) + 1, T());
        items[index] = value;
    }

    void add(int index, const T& value) { set(index, get(index) + value); }
    void sub(int index, const T& value) { set(index, get(index) - value); }
    size_t size() const { return items.size(); }

private:
    std::vector<T> items;
};
