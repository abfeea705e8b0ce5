// The program's pseudo-random generator.
#pragma once

#include <cstdint>

namespace fw {

// Starts a new sequence from the seed. Nearby seeds (clock readings taken
// one after the other) still give unrelated sequences.
void Randomize(std::uint32_t seed);
// A whole number from 0 to range - 1, each with the same chance.
int Random(int range);
// Seeds from the clock: the high-resolution performance counter, or the
// millisecond tick count where there is none.
void RandomizeFromClock();

} // namespace fw
