#pragma once

// The engine's own random generator: the same sequence on every machine for
// a given seed, which level building relies on.

void cross_srand(unsigned int seed);
int cross_rand();
int randrange(int n);
bool random_chance(int a, int b);
int pick_random(int count, ...);
void set_random_seed(int seed);
