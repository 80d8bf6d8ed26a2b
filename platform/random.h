#pragma once
// The game's random generator: one seedable sequence for the whole program, so tests can
// replay exactly the same draws.
#include <cstdint>

namespace platform {

// Seeds the generator from the clock.
void Randomize();
void SetRandSeed(std::uint32_t seed);
std::uint32_t RandSeed();
// A uniform integer from 0 to n - 1; 0 when n <= 0.
int Random(int n);

}  // namespace platform
