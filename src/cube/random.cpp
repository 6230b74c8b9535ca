#include "random.h"

#include <ctime>
#include <random>

namespace vexlor {

namespace {

std::mt19937& generator() {
    static std::mt19937 generator;
    return generator;
}

} // namespace

int random(int n) {
    if (n <= 0)
        return 0;
    return static_cast<int>(generator()() % static_cast<std::uint32_t>(n));
}

int drawUnused(int n, bool used[]) {
    int r;
    do {
        r = random(n);
    } while (used[r]);
    used[r] = true;
    return r;
}

void seedRandom() {
    seedRandom(static_cast<std::int64_t>(std::time(nullptr)));
}

void seedRandom(std::int64_t seconds) {
    // Fold the 64-bit time into the generator's 32-bit seed.
    const auto u = static_cast<std::uint64_t>(seconds);
    generator().seed(static_cast<std::uint32_t>(u ^ (u >> 32)));
}

} // namespace vexlor
