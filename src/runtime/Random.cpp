#include "runtime/Random.h"

#include "platform/SystemClock.h"

uint32_t GeneratorSeed = 0;

void ReseedFromClock()
{
    const SystemTime t = GetSystemTime();
    GeneratorSeed = ((uint32_t(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.milliseconds;
}

int32_t RandomBelow(int32_t n)
{
    GeneratorSeed = GeneratorSeed * 134775813u + 1u; // wraps modulo 2^32
    return int32_t((uint64_t(GeneratorSeed) * uint32_t(n)) >> 32);
}
