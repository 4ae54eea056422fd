#pragma once
// One generator behind every random choice of the program, so that tests can seed it.
#include <cstdint>

namespace rnd {

int Random(int k);       // uniform on 0 .. k-1; 0 when k <= 0
double RandomReal();     // uniform on [0, 1)
void Randomize();        // reseed from the clock, unless a test has fixed the seed
int RandomizeCount();    // how often Randomize was called: tests count the reseeds
void SetSeed(std::uint32_t seed);
// While fixed, Randomize keeps the seeded sequence (tests stay repeatable).
void FixSeed(std::uint32_t seed);

}  // namespace rnd
