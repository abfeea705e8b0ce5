#include "framework/core/Random.h"

#include "framework/core/Exceptions.h"

#include <windows.h>

namespace fw {

namespace {
std::uint64_t state = 0x853C49E6748FEA9Bull;

// splitmix64: every call gives a well-mixed 64-bit value, so the first draw
// after a seed is already independent of how close the seed was to the last one.
std::uint64_t Next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

void Randomize(std::uint32_t seed) {
    state = seed;
}

int Random(int range) {
    if (range <= 0)
        throw LogicError("Random needs a positive range");
    // Values in the incomplete last stretch are drawn again, so that no
    // number is favoured.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % std::uint64_t(range);
    std::uint64_t value;
    do
        value = Next();
    while (value >= limit);
    return int(value % std::uint64_t(range));
}

void RandomizeFromClock() {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter))
        Randomize(std::uint32_t(counter.QuadPart));
    else
        Randomize(GetTickCount());
}

} // namespace fw
