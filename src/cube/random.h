#pragma once

#include <cstdint>

namespace vexlor {

// The program's one random source. A well-known generator (32-bit Mersenne
// Twister) seeded from whole seconds, so that two runs started in the same
// second make the same Cubes, and a tool can reproduce a series from a seed.

// An integer in 0 .. n-1: the generator's next value modulo n. For n <= 0 it
// returns 0 and draws nothing.
int random(int n);

// Draws random(n) again and again until it gives a value not yet marked in
// used (n flags), marks that value and returns it. At least one value must
// be unmarked.
int drawUnused(int n, bool used[]);

// Seeds from the current calendar time in whole seconds.
void seedRandom();

// Seeds from the given calendar time in whole seconds.
void seedRandom(std::int64_t seconds);

} // namespace vexlor
