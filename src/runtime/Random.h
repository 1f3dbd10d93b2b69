#pragma once

#include <cstdint>

// The process-wide pseudo-random generator: a 32-bit linear congruential sequence,
// reseeded from the UTC time of day before each group of draws.
extern uint32_t GeneratorSeed;

// Sets GeneratorSeed to the milliseconds elapsed since UTC midnight.
void ReseedFromClock();

// Advances the generator one step and returns a value from 0 to n - 1 (n > 0).
int32_t RandomBelow(int32_t n);
