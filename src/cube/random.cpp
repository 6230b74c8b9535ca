#include "random.h"

#include <ctime>
#include <random>

namespace vexlor {

namespace {

std::mt19937& Generator() {
    static std::mt19937 generator;
    return generator;
}

} // namespace

int random(int n) {
    if (n <= 0)
        return 0;
    return static_cast<int>(Generator()() % static_cast<std::uint32_t>(n));
}

int DrawUnused(int n, bool used[]) {
    int r;
    do {
        r = random(n);
    } while (used[r]);
    used[r] = true;
    return r;
}

void SeedRandom() {
    SeedRandom(static_cast<std::int64_t>(std::time(nullptr)));
}

void SeedRandom(std::int64_t seconds) {
    // Fold the 64-bit time into the generator's 32-bit seed.
    const auto u = static_cast<std::uint64_t>(seconds);
    Generator().seed(static_cast<std::uint32_t>(u ^ (u >> 32)));
}

} // namespace vexlor
