#include "platform/random.h"

#include <cstdarg>
#include <cstdint>
#include <iostream>

namespace {
uint32_t cross_seed = 0;
}

void cross_srand(unsigned int seed) { cross_seed = seed; }

int cross_rand()
{
    cross_seed = cross_seed * 214013u + 2531011u;
    return static_cast<int>((cross_seed >> 16) & 32767u);
}

int randrange(int n)
{
    // A divisor of zero (n between -32767 and -16384) would trap; such a
    // range has no meaning, so it gives 0 like an empty one.
    int divisor = n == 0 ? 0 : 32767 / n + 1;
    if (divisor == 0)
        return 0;
    return cross_rand() / divisor;
}

bool random_chance(int a, int b) { return randrange(b) < a; }

int pick_random(int count, ...)
{
    if (count <= 0) {
        std::cout << "Invalid pick_random count!" << std::endl;
        return 0;
    }
    int chosen = randrange(count);
    va_list args;
    va_start(args, count);
    int value = 0;
    for (int i = 0; i <= chosen; ++i)
        value = va_arg(args, int);
    va_end(args);
    return value;
}

void set_random_seed(int seed) { cross_srand(static_cast<unsigned int>(seed)); }
