#pragma once

#include <array>
#include <cstdint>

// The exact odds of the machine, derived from its rules rather than sampled.
//
// A stop is either natural (nine independent cells, each uniform over the nine symbols) or
// forced (one of the six lines set to one symbol, the other six cells as drawn). Its
// multiplier is the sum over the winning lines of the line's symbol multiplier (10 for
// symbol 0, k for symbol k). The forced-win schedule is a renewal process: after a win a
// threshold T is drawn; stops 1..T are natural, stop T + 1 is forced, and any win starts a
// new cycle. Every cycle ends with exactly one winning stop.
class OddsModel {
public:
    static constexpr int Symbols = 9;
    static constexpr int Lines = 6;
    static constexpr int MaxMultiplier = 60; // all nine cells on symbol 0
    static constexpr int MaxThreshold = 14;
    static constexpr uint32_t MsPerDay = 86'400'000;

    // How often each total multiplier occurs, as whole counts (weights) out of `total`.
    struct Histogram {
        std::array<uint64_t, MaxMultiplier + 1> counts {};
        uint64_t total = 0;

        double winProbability() const;
        double mean() const;
        double meanSquare() const;
    };

    // Weights of the forced line (index 0..5) and its symbol (0..8).
    using LineSymbolWeights = std::array<std::array<uint64_t, Symbols>, Lines>;
    // Weights of the threshold values 0..14 (only 5..14 may be non-zero).
    using ThresholdWeights = std::array<uint64_t, MaxThreshold + 1>;

    // The multiplier of a grid given cell by cell, cells numbered by column (index 0 is the
    // top left cell, 1 the one below it, 3 the top middle one).
    static int multiplier(const std::array<int, 9> &cells);

    // All 9^9 grids of a natural stop.
    static Histogram naturalStops();
    // A forced stop: for each line and symbol, all 9^6 draws of the other cells, each
    // (line, symbol) pair counted with its weight.
    static Histogram forcedStops(const LineSymbolWeights &weights);

    // The rules' own schedule: threshold uniform over 5..14, line and symbol uniform.
    static ThresholdWeights uniformThresholds();
    static LineSymbolWeights uniformLineSymbols();

    // The same draws made by the game's generator, with the clock reading (milliseconds
    // since UTC midnight) uniform over the day. The threshold loop reseeds from a clock
    // that moves on, so it ends at the first reading at or after the start whose first
    // draw is 5 or more; a reading that follows a run of low ones is that much likelier.
    static ThresholdWeights generatorThresholds();
    static LineSymbolWeights generatorLineSymbols();

    // The long-run figures of a stream of stops at bet 1.
    struct Stationary {
        double returnToPlayer = 0; // expected multiplier per stop
        double hitFrequency = 0;   // share of stops that win
        double meanCycle = 0;      // stops per cycle (from one win to the next)
        double forcedShare = 0;    // share of stops that are forced
    };
    static Stationary stationary(const Histogram &natural, const Histogram &forced, const ThresholdWeights &thresholds);

    // The first draw of RandomBelow(n) after seeding with `seed`, and the generator's step.
    static uint32_t step(uint32_t seed) { return seed * 134775813u + 1u; }
    static int drawBelow(uint32_t &seed, int n)
    {
        seed = step(seed);
        return int((uint64_t(seed) * uint32_t(n)) >> 32);
    }
};
