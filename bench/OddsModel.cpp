#include "OddsModel.h"

#include <cmath>

namespace {

// The six lines in evaluation order: rows 1..3, then columns 1..3 (cells numbered by column).
constexpr int LineCells[OddsModel::Lines][3] = {
    { 0, 3, 6 }, { 1, 4, 7 }, { 2, 5, 8 }, { 0, 1, 2 }, { 3, 4, 5 }, { 6, 7, 8 },
};

constexpr int symbolMultiplier(int symbol)
{
    return symbol == 0 ? 10 : symbol;
}

} // namespace

double OddsModel::Histogram::winProbability() const
{
    return 1.0 - double(counts[0]) / double(total);
}

double OddsModel::Histogram::mean() const
{
    long double sum = 0;
    for (size_t m = 0; m < counts.size(); ++m)
        sum += (long double)counts[m] * m;
    return double(sum / total);
}

double OddsModel::Histogram::meanSquare() const
{
    long double sum = 0;
    for (size_t m = 0; m < counts.size(); ++m)
        sum += (long double)counts[m] * m * m;
    return double(sum / total);
}

int OddsModel::multiplier(const std::array<int, 9> &cells)
{
    int total = 0;
    for (const auto &line : LineCells) {
        const int s = cells[size_t(line[0])];
        if (cells[size_t(line[1])] == s && cells[size_t(line[2])] == s)
            total += symbolMultiplier(s);
    }
    return total;
}

// Row by row: a row is three cells (left, middle, right). For each pair of the top two
// rows the row wins and the column matches so far are known; the bottom row then only
// has to be compared with the top row where the columns still match.
OddsModel::Histogram OddsModel::naturalStops()
{
    constexpr int RowCount = Symbols * Symbols * Symbols;
    struct Row {
        uint8_t cell[3];
        uint8_t pays; // the row's own multiplier, 0 when it does not win
    };
    std::array<Row, RowCount> rows {};
    for (int i = 0; i < RowCount; ++i) {
        Row &row = rows[size_t(i)];
        row.cell[0] = uint8_t(i / 81);
        row.cell[1] = uint8_t(i / 9 % 9);
        row.cell[2] = uint8_t(i % 9);
        const bool wins = row.cell[0] == row.cell[1] && row.cell[1] == row.cell[2];
        row.pays = uint8_t(wins ? symbolMultiplier(row.cell[0]) : 0);
    }

    Histogram h;
    for (const Row &top : rows) {
        for (const Row &middle : rows) {
            const int paidSoFar = top.pays + middle.pays;
            bool columnOpen[3];
            int openColumns = 0;
            for (int c = 0; c < 3; ++c) {
                columnOpen[c] = top.cell[c] == middle.cell[c];
                openColumns += columnOpen[c];
            }
            if (openColumns == 0) {
                // No column can win: only the bottom row's own win matters.
                for (const Row &bottom : rows)
                    ++h.counts[size_t(paidSoFar + bottom.pays)];
                continue;
            }
            for (const Row &bottom : rows) {
                int paid = paidSoFar + bottom.pays;
                for (int c = 0; c < 3; ++c)
                    if (columnOpen[c] && bottom.cell[c] == top.cell[c])
                        paid += symbolMultiplier(top.cell[c]);
                ++h.counts[size_t(paid)];
            }
        }
    }
    h.total = uint64_t(RowCount) * RowCount * RowCount;
    return h;
}

OddsModel::Histogram OddsModel::forcedStops(const LineSymbolWeights &weights)
{
    Histogram h;
    constexpr int Others = Symbols * Symbols * Symbols * Symbols * Symbols * Symbols;
    for (int line = 0; line < Lines; ++line) {
        int free[6];
        int n = 0;
        for (int cell = 0; cell < 9; ++cell)
            if (cell != LineCells[line][0] && cell != LineCells[line][1] && cell != LineCells[line][2])
                free[n++] = cell;
        for (int symbol = 0; symbol < Symbols; ++symbol) {
            const uint64_t weight = weights[size_t(line)][size_t(symbol)];
            if (weight == 0)
                continue;
            std::array<uint64_t, MaxMultiplier + 1> counts {};
            std::array<int, 9> cells {};
            for (int k = 0; k < 3; ++k)
                cells[size_t(LineCells[line][k])] = symbol;
            for (int draw = 0; draw < Others; ++draw) {
                int rest = draw;
                for (int k = 0; k < 6; ++k) {
                    cells[size_t(free[k])] = rest % 9;
                    rest /= 9;
                }
                ++counts[size_t(multiplier(cells))];
            }
            for (size_t m = 0; m < counts.size(); ++m)
                h.counts[m] += counts[m] * weight;
            h.total += uint64_t(Others) * weight;
        }
    }
    return h;
}

OddsModel::ThresholdWeights OddsModel::uniformThresholds()
{
    ThresholdWeights w {};
    for (int t = 5; t <= MaxThreshold; ++t)
        w[size_t(t)] = 1;
    return w;
}

OddsModel::LineSymbolWeights OddsModel::uniformLineSymbols()
{
    LineSymbolWeights w {};
    for (auto &line : w)
        line.fill(1);
    return w;
}

OddsModel::ThresholdWeights OddsModel::generatorThresholds()
{
    auto firstDraw = [](uint32_t ms) {
        uint32_t seed = ms;
        return drawBelow(seed, 15);
    };
    // A loop starting at a low reading runs on to the next good one. Readings wrap at
    // midnight, so start counting just after the last good reading of the day.
    uint32_t lastGood = MsPerDay - 1;
    while (firstDraw(lastGood) < 5)
        --lastGood;
    ThresholdWeights w {};
    uint64_t waiting = 0; // low readings since the last good one
    for (uint32_t i = 1; i <= MsPerDay; ++i) {
        const uint32_t ms = (lastGood + i) % MsPerDay;
        const int t = firstDraw(ms);
        if (t < 5) {
            ++waiting;
            continue;
        }
        w[size_t(t)] += waiting + 1;
        waiting = 0;
    }
    return w;
}

OddsModel::LineSymbolWeights OddsModel::generatorLineSymbols()
{
    LineSymbolWeights w {};
    for (uint32_t ms = 0; ms < MsPerDay; ++ms) {
        uint32_t seed = ms;
        int line;
        do
            line = drawBelow(seed, 7);
        while (line < 1);
        const int symbol = drawBelow(seed, 9);
        ++w[size_t(line - 1)][size_t(symbol)];
    }
    return w;
}

// One cycle with threshold T: natural stops k = 1..T are reached with probability
// q^(k-1) (q = 1 - p); the forced stop with q^T. By Wald's identity the expected sum of
// the natural stops' multipliers is (expected natural stops) x (natural mean).
OddsModel::Stationary OddsModel::stationary(const Histogram &natural, const Histogram &forced,
                                            const ThresholdWeights &thresholds)
{
    const long double p = natural.winProbability();
    const long double q = 1.0L - p;
    long double weightSum = 0, naturalStops = 0, forcedStopsPerCycle = 0;
    for (int t = 0; t <= MaxThreshold; ++t) {
        const long double w = thresholds[size_t(t)];
        if (w == 0)
            continue;
        const long double reachForced = std::pow(q, (long double)t);
        weightSum += w;
        naturalStops += w * (1.0L - reachForced) / p;
        forcedStopsPerCycle += w * reachForced;
    }
    naturalStops /= weightSum;
    forcedStopsPerCycle /= weightSum;
    const long double cycle = naturalStops + forcedStopsPerCycle;
    const long double paidPerCycle = naturalStops * natural.mean() + forcedStopsPerCycle * forced.mean();
    Stationary s;
    s.returnToPlayer = double(paidPerCycle / cycle);
    s.hitFrequency = double(1.0L / cycle);
    s.meanCycle = double(cycle);
    s.forcedShare = double(forcedStopsPerCycle / cycle);
    return s;
}
