#pragma once

#include <string>
#include <vector>

// An instance's numbered values (0-25, also called A-Z) or strings (0-9).
// Reads past the end give the caller's default; writes past it are ignored.
template <typename T, int N> class Alterables {
public:
    Alterables() : items() {}

    T get(int index, const T& fallback) const
    {
        if (index < 0 || index >= N)
            return fallback;
        return items[index];
    }

    void set(int index, const T& value)
    {
        if (index < 0 || index >= N)
            return;
        items[index] = value;
    }

    void add(int index, const T& value) { set(index, get(index, T()) + value); }
    void sub(int index, const T& value) { set(index, get(index, T()) - value); }

private:
    T items[N];
};

using AlterableValues = Alterables<double, 26>;
using AlterableStrings = Alterables<std::string, 10>;
