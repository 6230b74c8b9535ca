#include "random.h"

#include <ctime>

namespace vexlor {

namespace {

// Folds the 64-bit time into the generator's 32-bit seed.
std::uint32_t foldSeed(std::int64_t seconds) {
    const auto u = static_cast<std::uint64_t>(seconds);
    return static_cast<std::uint32_t>(u ^ (u >> 32));
}

} // namespace

RandomSource::RandomSource(std::int64_t seconds) : engine_(foldSeed(seconds)) {}

std::int64_t RandomSource::secondsNow() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

int RandomSource::draw(int n) {
    if (n <= 0)
        return 0;
    return static_cast<int>(engine_() % static_cast<std::uint32_t>(n));
}

int RandomSource::drawUnused(int n, bool used[]) {
    int r;
    do {
        r = draw(n);
    } while (used[r]);
    used[r] = true;
    return r;
}

} // namespace vexlor
