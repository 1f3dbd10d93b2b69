#include "runtime/Random.h"
#include "support/Recorders.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> draws(int n, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(RandomBelow(n));
    return values;
}

// The nine cell delays of a press: one seeding, each delay drawn until it is 10 or more.
std::vector<int> cellDelays()
{
    std::vector<int> delays;
    for (int cell = 0; cell < 9; ++cell) {
        int d;
        do
            d = RandomBelow(75);
        while (d < 10);
        delays.push_back(d);
    }
    return delays;
}

} // namespace

TEST(Random, SeedIsMillisecondsSinceUtcMidnight)
{
    FixedClock clock(((13 * 60 + 7) * 60 + 42) * 1000 + 123);
    ReseedFromClock();
    EXPECT_EQ(GeneratorSeed, 47262123u);
    clock.set(86399999);
    ReseedFromClock();
    EXPECT_EQ(GeneratorSeed, 86399999u);
}

TEST(Random, MidnightGivesKnownDrawsAndDelays)
{
    FixedClock clock(0);
    ReseedFromClock();
    EXPECT_EQ(draws(75, 6), (std::vector<int>{ 0, 2, 64, 15, 20, 50 }));
    ReseedFromClock();
    EXPECT_EQ(cellDelays(), (std::vector<int>{ 64, 15, 20, 50, 23, 12, 27, 31, 35 }));
}

TEST(Random, NoonGivesKnownDelaysAndThresholdFive)
{
    FixedClock clock(43200000);
    ReseedFromClock();
    EXPECT_EQ(cellDelays(), (std::vector<int>{ 28, 32, 57, 18, 30, 52, 37, 11, 72 }));
    ReseedFromClock();
    EXPECT_EQ(RandomBelow(15), 5);
}

TEST(Random, LastMillisecondOfTheDayAndSeedOne)
{
    FixedClock clock(86399999);
    ReseedFromClock();
    EXPECT_EQ(draws(15, 3), (std::vector<int>{ 10, 14, 5 }));
    GeneratorSeed = 1;
    EXPECT_EQ(draws(15, 3), (std::vector<int>{ 0, 12, 3 }));
}

TEST(Random, DrawsStayBelowTheLimitForExtremeSeeds)
{
    for (uint32_t seed : { 0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFEu, 0xFFFFFFFFu }) {
        for (int32_t n : { 1, 2, 7, 9, 15, 75, 2147483647 }) {
            GeneratorSeed = seed;
            const int32_t v = RandomBelow(n);
            EXPECT_GE(v, 0);
            EXPECT_LT(v, n);
        }
    }
    GeneratorSeed = 0xFFFFFFFFu;
    RandomBelow(2);
    EXPECT_EQ(GeneratorSeed, 0xFFFFFFFFu * 134775813u + 1u); // the step wraps modulo 2^32
}
