// Checks of the exact odds against derivations made another way: inclusion-exclusion over
// the lines, linearity of expectation, a direct run of the threshold loop from every
// reading of the day, and the forced-win schedule run as a Markov chain.

#include "OddsModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr int LineCells[6][3] = { { 0, 3, 6 }, { 1, 4, 7 }, { 2, 5, 8 }, { 0, 1, 2 }, { 3, 4, 5 }, { 6, 7, 8 } };

uint64_t power9(int n)
{
    uint64_t p = 1;
    while (n-- > 0)
        p *= 9;
    return p;
}

// Grids in which every line of `subset` is of one symbol: 9 ^ (groups of cells joined by those lines).
uint64_t gridsWithLinesEqual(unsigned subset)
{
    std::array<int, 9> parent {};
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int c) {
        while (parent[size_t(c)] != c)
            c = parent[size_t(c)];
        return c;
    };
    for (int line = 0; line < 6; ++line)
        if (subset & (1u << line))
            for (int k = 1; k < 3; ++k)
                parent[size_t(find(LineCells[line][k]))] = find(LineCells[line][0]);
    int groups = 0;
    for (int c = 0; c < 9; ++c)
        groups += find(c) == c;
    return power9(groups);
}

uint64_t weightedSum(const OddsModel::Histogram &h)
{
    uint64_t sum = 0;
    for (size_t m = 0; m < h.counts.size(); ++m)
        sum += h.counts[m] * m;
    return sum;
}

} // namespace

TEST(OddsModel, MultiplierFollowsTheRulesExamples)
{
    EXPECT_EQ(OddsModel::multiplier({ 0, 0, 0, 0, 0, 0, 0, 0, 0 }), 60);
    EXPECT_EQ(OddsModel::multiplier({ 8, 8, 8, 8, 8, 8, 8, 8, 8 }), 48);
    // Row 1 on symbol 3 only (cells 1, 4, 7).
    EXPECT_EQ(OddsModel::multiplier({ 3, 1, 2, 3, 4, 5, 3, 6, 7 }), 3);
    // Row 1 and column 1 on symbol 0: cells 1, 2, 3, 4 and 7.
    EXPECT_EQ(OddsModel::multiplier({ 0, 0, 0, 0, 1, 2, 0, 3, 4 }), 20);
    // Diagonals do not count.
    EXPECT_EQ(OddsModel::multiplier({ 5, 1, 2, 3, 5, 4, 6, 7, 5 }), 0);
}

TEST(OddsModel, NaturalStopsAgreeWithInclusionExclusionAndLinearity)
{
    const OddsModel::Histogram natural = OddsModel::naturalStops();
    ASSERT_EQ(natural.total, power9(9));
    uint64_t counted = 0;
    for (uint64_t c : natural.counts)
        counted += c;
    EXPECT_EQ(counted, natural.total);

    // Grids with no winning line, by inclusion-exclusion over the 64 sets of lines.
    int64_t noWin = 0;
    for (unsigned subset = 0; subset < 64; ++subset)
        noWin += (std::popcount(subset) % 2 ? -1 : 1) * int64_t(gridsWithLinesEqual(subset));
    EXPECT_EQ(natural.counts[0], uint64_t(noWin));

    // Each line wins with each symbol in 9^6 grids, whatever the other lines do.
    EXPECT_EQ(weightedSum(natural), 6 * (10 + 1 + 2 + 3 + 4 + 5 + 6 + 7 + 8) * power9(6));

    // Only the nine-equal grids reach 48 and 60.
    EXPECT_EQ(natural.counts[60], 1u);
    EXPECT_EQ(natural.counts[48], 1u);
}

TEST(OddsModel, ForcedStopsAlwaysWinAndPayTheLineAndTheCrossingLines)
{
    const OddsModel::Histogram forced = OddsModel::forcedStops(OddsModel::uniformLineSymbols());
    EXPECT_EQ(forced.counts[0], 0u);
    EXPECT_EQ(forced.total, 54 * power9(6));
    // The forced line pays its symbol's 46/9 on average; the two parallel lines win by
    // chance (46/729 each), and each of the three crossing lines when its other two cells
    // match the forced symbol (46/729 each): 46 x 86 / 729 per stop.
    EXPECT_EQ(weightedSum(forced), uint64_t(46) * 86 * 54 * power9(6) / 729);
}

TEST(OddsModel, GeneratorDrawsMatchKnownSeeds)
{
    uint32_t seed = 86'399'999; // 23:59:59.999
    EXPECT_EQ(OddsModel::drawBelow(seed, 15), 10);
    EXPECT_EQ(OddsModel::drawBelow(seed, 15), 14);
    EXPECT_EQ(OddsModel::drawBelow(seed, 15), 5);
    seed = 1;
    EXPECT_EQ(OddsModel::drawBelow(seed, 15), 0);
    EXPECT_EQ(OddsModel::drawBelow(seed, 15), 12);
    EXPECT_EQ(OddsModel::drawBelow(seed, 15), 3);
}

TEST(OddsModel, GeneratorThresholdsMatchTheLoopRunFromEveryReadingOfTheDay)
{
    const OddsModel::ThresholdWeights weights = OddsModel::generatorThresholds();
    OddsModel::ThresholdWeights direct {};
    for (uint32_t start = 0; start < OddsModel::MsPerDay; ++start) {
        int threshold;
        uint32_t reading = start;
        do {
            uint32_t seed = reading;
            threshold = OddsModel::drawBelow(seed, 15);
            reading = (reading + 1) % OddsModel::MsPerDay;
        } while (threshold < 5);
        ++direct[size_t(threshold)];
    }
    EXPECT_EQ(weights, direct);
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ(weights[size_t(t)], 0u);
}

// The schedule as a Markov chain over (dry-spell count, threshold), iterated until its
// distribution settles; the per-stop expectations must equal the renewal formula's.
TEST(OddsModel, StationaryFiguresAgreeWithTheScheduleRunAsAMarkovChain)
{
    const OddsModel::Histogram natural = OddsModel::naturalStops();
    const OddsModel::Histogram forced = OddsModel::forcedStops(OddsModel::uniformLineSymbols());
    for (const OddsModel::ThresholdWeights &thresholds : { OddsModel::uniformThresholds(), OddsModel::generatorThresholds() }) {
        const double p = natural.winProbability();
        const double weightSum = double(std::accumulate(thresholds.begin(), thresholds.end(), uint64_t(0)));
        // State (count c of stops since the last win, threshold T); c = 0 with T = 0 is "after a win".
        constexpr int N = OddsModel::MaxThreshold + 1;
        std::vector<double> dist(size_t(N * N), 0.0), next;
        dist[0] = 1.0;
        double paid = 0, wins = 0;
        for (int step = 0; step < 20000; ++step) {
            next.assign(dist.size(), 0.0);
            paid = wins = 0;
            for (int c = 0; c < N; ++c) {
                for (int t = 0; t < N; ++t) {
                    const double mass = dist[size_t(c * N + t)];
                    if (mass == 0)
                        continue;
                    // The stop: draw a threshold if none, count it, force past the threshold.
                    for (int drawn = 0; drawn < N; ++drawn) {
                        const double pt = t != 0 ? (drawn == t) : double(thresholds[size_t(drawn)]) / weightSum;
                        if (pt == 0)
                            continue;
                        const double m = mass * pt;
                        if (c + 1 > drawn) {
                            paid += m * forced.mean();
                            wins += m;
                            next[0] += m;
                        } else {
                            paid += m * natural.mean();
                            wins += m * p;
                            next[0] += m * p;
                            next[size_t((c + 1) * N + drawn)] += m * (1 - p);
                        }
                    }
                }
            }
            dist.swap(next);
        }
        const OddsModel::Stationary s = OddsModel::stationary(natural, forced, thresholds);
        // A win can come at any stop, so the chain is aperiodic and settles; by now it has.
        EXPECT_NEAR(s.returnToPlayer, paid, 1e-6);
        EXPECT_NEAR(s.hitFrequency, wins, 1e-6);
    }
}
