#pragma once

#include <cstdint>
#include <random>

namespace vexlor {

// A random source: a well-known generator (32-bit Mersenne Twister) seeded
// from whole seconds, so that two runs started in the same second make the
// same Cubes, and a tool can reproduce a series from a seed. Whoever draws is
// handed the source; it is never copied, so no two users repeat each other's
// numbers.
class RandomSource {
public:
    // Seeded from the given calendar time in whole seconds.
    explicit RandomSource(std::int64_t seconds);
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;

    // The current calendar time in whole seconds: the seed of a run.
    static std::int64_t secondsNow();

    // An integer in 0 .. n-1: the generator's next value modulo n. For n <= 0
    // it returns 0 and draws nothing.
    int draw(int n);

    // Draws draw(n) again and again until it gives a value not yet marked in
    // used (n flags), marks that value and returns it. At least one value must
    // be unmarked.
    int drawUnused(int n, bool used[]);

private:
    std::mt19937 engine_;
};

} // namespace vexlor
